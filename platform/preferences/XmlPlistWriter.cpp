// SPDX-License-Identifier: GPL-3.0-or-later
#include "XmlPlistWriter.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace plist_codec {
namespace {

using namespace plist_value;

constexpr std::string_view kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                     "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                     "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                     "<plist version=\"1.0\">\n";
constexpr std::string_view kFooter = "</plist>\n";
constexpr double kReferenceDateSince1970 = 978307200.0;
constexpr std::int64_t kSecondsPerDay = 86400;

// Midnight of a day counted from 1970-01-01 as year, month and day in the proleptic Gregorian calendar.
struct CivilDay {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

CivilDay civilFromDays(std::int64_t days) {
    days += 719468; // from 0000-03-01, so that the leap day ends each 400-year era
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    return {static_cast<std::int64_t>(yearOfEra) + era * 400 + (month <= 2), month, day};
}

class Writer {
public:
    explicit Writer(std::string& out) : m_out(out) {}

    bool dictionary(const Dictionary& dict, unsigned depth) {
        if (dict.empty())
            return line(depth, "<dict/>\n");
        line(depth, "<dict>\n");
        for (const auto& [key, entry] : dict) {
            const std::string& text = key.str();
            if (text.find('\0') != std::string::npos)
                return false;
            line(depth + 1, "<key>");
            escaped(text);
            m_out += "</key>\n";
            if (!value(entry, depth + 1))
                return false;
        }
        return line(depth, "</dict>\n");
    }

    void flat(std::initializer_list<FlatEntry> entries, unsigned depth) {
        line(depth, "<dict>\n");
        for (const auto& [key, entry] : entries) {
            line(depth + 1, "<key>");
            escaped(key);
            m_out += "</key>\n";
            if (const bool* b = std::get_if<bool>(&entry)) {
                line(depth + 1, *b ? "<true/>\n" : "<false/>\n");
            } else {
                line(depth + 1, "<string>");
                escaped(std::get<std::string_view>(entry));
                m_out += "</string>\n";
            }
        }
        line(depth, "</dict>\n");
    }

private:
    bool value(const Value& value, unsigned depth) {
        if (const auto* b = value.get<bool>()) {
            line(depth, *b ? "<true/>\n" : "<false/>\n");
        } else if (const auto* i = value.get<std::int64_t>()) {
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, *i).ptr;
            line(depth, "<integer>");
            m_out.append(digits, end);
            m_out += "</integer>\n";
        } else if (const auto* d = value.get<double>()) {
            real(*d, depth);
        } else if (const auto* s = value.get<std::string>()) {
            line(depth, "<string>");
            escaped(*s);
            m_out += "</string>\n";
        } else if (const auto* date = value.get<Date>()) {
            return this->date(*date ? (*date)->secondsSince1970 : 0, depth);
        } else if (const auto* data = value.get<Data>()) {
            this->data(*data, depth);
        } else if (const auto* array = value.get<Array>()) {
            if (array->empty())
                return line(depth, "<array/>\n");
            line(depth, "<array>\n");
            for (const Value& element : *array) {
                if (!this->value(element, depth + 1))
                    return false;
            }
            line(depth, "</array>\n");
        } else {
            return dictionary(*value.get<Dictionary>(), depth);
        }
        return true;
    }

    void real(double d, unsigned depth) {
        char digits[32];
        std::string_view text;
        if (std::isnan(d))
            text = "nan";
        else if (std::isinf(d))
            text = d > 0 ? "+infinity" : "-infinity";
        else if (d == 0)
            text = "0.0";
        else {
            // %.17g in the C locale, whatever locale the program runs in.
            const auto end = std::to_chars(digits, digits + sizeof digits, d, std::chars_format::general, 17).ptr;
            text = {digits, static_cast<std::size_t>(end - digits)};
        }
        line(depth, "<real>");
        m_out += text;
        m_out += "</real>\n";
    }

    // Whole seconds as libplist keeps them: cut towards zero from the seconds and microseconds since 2001.
    bool date(double secondsSince1970, unsigned depth) {
        const FileDate kept = fileDate(secondsSince1970);
        std::int64_t seconds = kept.seconds;
        if (seconds < 0 && kept.microseconds != 0)
            ++seconds;
        seconds += static_cast<std::int64_t>(kReferenceDateSince1970);
        const std::int64_t days = (seconds >= 0 ? seconds : seconds - kSecondsPerDay + 1) / kSecondsPerDay;
        const auto ofDay = static_cast<unsigned>(seconds - days * kSecondsPerDay);
        const CivilDay civil = civilFromDays(days);
        // Between 1932 and 2069: the seconds fit 32 bits.
        char text[20] = "0000-00-00T00:00:00";
        const auto two = [&text](int at, unsigned n) {
            text[at] = static_cast<char>('0' + n / 10);
            text[at + 1] = static_cast<char>('0' + n % 10);
        };
        two(0, static_cast<unsigned>(civil.year / 100));
        two(2, static_cast<unsigned>(civil.year % 100));
        two(5, civil.month);
        two(8, civil.day);
        two(11, ofDay / 3600);
        two(14, ofDay / 60 % 60);
        two(17, ofDay % 60);
        line(depth, "<date>");
        m_out.append(text, 19);
        m_out += "Z</date>\n";
        return true;
    }

    // Base64 in lines that stay within 76 columns with the indent counted 8 wide, the indent stopping at 8 tabs.
    void data(const Data& bytes, unsigned depth) {
        static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        line(depth, "<data>\n");
        const unsigned lineIndent = std::min(depth, 8u);
        const std::size_t perLine = (76 - lineIndent * 8) / 4 * 3;
        for (std::size_t at = 0; at < bytes.size(); at += perLine) {
            indent(lineIndent);
            const std::size_t end = std::min(bytes.size(), at + perLine);
            for (std::size_t i = at; i < end; i += 3) {
                const unsigned left = static_cast<unsigned>(end - i);
                const unsigned group =
                    bytes[i] << 16 | (left > 1 ? bytes[i + 1] << 8 : 0) | (left > 2 ? bytes[i + 2] : 0);
                const char quad[4] = {kAlphabet[group >> 18], kAlphabet[group >> 12 & 63],
                                      left > 1 ? kAlphabet[group >> 6 & 63] : '=',
                                      left > 2 ? kAlphabet[group & 63] : '='};
                m_out.append(quad, 4);
            }
            m_out += '\n';
        }
        line(depth, "</data>\n");
    }

    // Only the three characters libplist escapes; a NUL in a string was always written as U+FFFD.
    void escaped(std::string_view text) {
        // Most text has none of them: four scans for a byte are much quicker than a look at each character.
        if (text.find('<') == text.npos && text.find('>') == text.npos && text.find('&') == text.npos &&
            text.find('\0') == text.npos) {
            m_out.append(text);
            return;
        }
        std::size_t start = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            std::string_view replacement;
            switch (text[i]) {
            case '<':
                replacement = "&lt;";
                break;
            case '>':
                replacement = "&gt;";
                break;
            case '&':
                replacement = "&amp;";
                break;
            case '\0':
                replacement = "\uFFFD";
                break;
            default:
                continue;
            }
            m_out.append(text.substr(start, i - start));
            m_out += replacement;
            start = i + 1;
        }
        m_out.append(text.substr(start));
    }

    bool line(unsigned depth, std::string_view text) {
        indent(depth);
        m_out += text;
        return true;
    }
    void indent(unsigned depth) {
        static constexpr std::string_view kTabs = "\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t";
        if (depth <= kTabs.size())
            m_out += kTabs.substr(0, depth);
        else
            m_out.append(depth, '\t');
    }

    std::string& m_out;
};

} // namespace

FileDate fileDate(double secondsSince1970) {
    const double raw = secondsSince1970 - kReferenceDateSince1970;
    // Clamped before the casts, which would be undefined out of range.
    const double since = std::isnan(raw) ? 0.0 : std::clamp(raw, -2147483648.0, 2147483647.0);
    const double whole = std::floor(since);
    return {static_cast<std::int32_t>(whole), static_cast<std::int32_t>((since - whole) * 1e6)};
}

void appendFlatDictionary(std::string& out, std::initializer_list<FlatEntry> entries, unsigned depth) {
    Writer(out).flat(entries, depth);
}

std::optional<std::string> writeXml(const Dictionary& root) {
    // Room for the last text and a little more: growing a megabyte buffer step by step costs more than writing it.
    static std::atomic<std::size_t> lastSize = 0;
    std::string out;
    out.reserve(lastSize + lastSize / 16 + 4096);
    out += kHeader;
    if (!Writer(out).dictionary(root, 0))
        return std::nullopt;
    out += kFooter;
    lastSize = out.size();
    return out;
}

} // namespace plist_codec
