// SPDX-License-Identifier: GPL-3.0-or-later
#include "VTodo.h"

#include "ContentLines.h"
#include "TextValue.h"

#include <libical/ical.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <random>

namespace vtodo {
namespace {

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// The calendar as libical read it, and the VCALENDAR and VTODO in it (the first of each).
struct Parsed {
    Component root;
    icalcomponent* calendar = nullptr;
    icalcomponent* todo = nullptr;
};

void setUpLibical() {
    static std::once_flag once;
    std::call_once(once, [] {
        icalerror_set_errors_are_fatal(0);
        // Parameters libical does not know, which other clients set, are kept rather than dropped.
        ical_set_unknown_token_handling_setting(ICAL_ASSUME_IANA_TOKEN);
    });
}

Parsed parse(std::string_view text, std::string& whyNot) {
    setUpLibical();
    Parsed parsed;
    if (text.find('\0') != std::string_view::npos) {
        whyNot = "the text holds a NUL byte";
        return parsed;
    }
    parsed.root.reset(icalparser_parse_string(std::string(text).c_str()));
    if (!parsed.root) {
        whyNot = "no complete iCalendar component";
        return parsed;
    }
    // Several top-level components come back wrapped in an XROOT.
    icalcomponent* root = parsed.root.get();
    parsed.calendar = icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT
                          ? root
                          : icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
    if (!parsed.calendar) {
        whyNot = "no VCALENDAR";
        return parsed;
    }
    parsed.todo = icalcomponent_get_first_component(parsed.calendar, ICAL_VTODO_COMPONENT);
    if (!parsed.todo)
        whyNot = "no VTODO in the VCALENDAR";
    return parsed;
}

// libical drops a property it cannot parse and leaves an X-LIC-ERROR naming it ("... in CREATED property. ...").
// An empty SUMMARY is only an empty title.
std::optional<std::string> unreadableOwnedProperty(icalcomponent* todo) {
    for (icalproperty* error = icalcomponent_get_first_property(todo, ICAL_XLICERROR_PROPERTY); error;
         error = icalcomponent_get_next_property(todo, ICAL_XLICERROR_PROPERTY)) {
        const std::string_view text = icalproperty_get_xlicerror(error);
        for (const char* name : {"UID", "SUMMARY", "STATUS", "COMPLETED", "CREATED"}) {
            const bool named = text.find(" " + std::string(name) + " property") != std::string_view::npos;
            if (named && !(name == std::string_view("SUMMARY") && text.starts_with("No value")))
                return std::string(text);
        }
    }
    return std::nullopt;
}

// Done when it says so; any other status (none, IN-PROCESS, CANCELLED, a client's own) counts as done only with a
// completion date.
bool isCompleted(icalcomponent* todo) {
    switch (icalcomponent_get_status(todo)) {
    case ICAL_STATUS_COMPLETED:
        return true;
    case ICAL_STATUS_NEEDSACTION:
        return false;
    default:
        return icalcomponent_get_first_property(todo, ICAL_COMPLETED_PROPERTY) != nullptr;
    }
}

// A date of the task in seconds since 1970. A time with a TZID is read in that zone (the calendar's VTIMEZONE, or
// the system's zone of that name); a floating time or an unknown zone as UTC; a DATE as its midnight in UTC.
std::optional<double> secondsOf(icalcomponent* todo, icalproperty_kind kind, icalcomponent* calendar) {
    icalproperty* property = icalcomponent_get_first_property(todo, kind);
    if (!property)
        return std::nullopt;
    const icaltimetype time = icalproperty_get_datetime_with_component(property, calendar);
    if (icaltime_is_null_time(time))
        return std::nullopt;
    return static_cast<double>(icaltime_as_timet_with_zone(time, time.zone));
}

// Held within the years libical writes (1 to 3000: it empties a later date); nothing for a date that is not a number.
std::optional<icaltimetype> utcTime(std::optional<double> secondsSince1970) {
    if (!secondsSince1970 || std::isnan(*secondsSince1970))
        return std::nullopt;
    const double seconds = std::clamp(std::floor(*secondsSince1970), -62135596800.0, 32535215999.0);
    return icaltime_from_timet_with_zone(static_cast<time_t>(seconds), 0, icaltimezone_get_utc_timezone());
}

icaltimetype nowUtc() {
    return icaltime_current_time_with_zone(icaltimezone_get_utc_timezone());
}

void removeAll(icalcomponent* component, icalproperty_kind kind) {
    while (icalproperty* property = icalcomponent_get_first_property(component, kind)) {
        icalcomponent_remove_property(component, property);
        icalproperty_free(property);
    }
}

// Sets a date property in UTC where it stands, or adds it.
void setUtc(icalcomponent* todo, icalproperty_kind kind, icaltimetype time) {
    icalproperty* property = icalcomponent_get_first_property(todo, kind);
    if (!property) {
        property = icalproperty_new(kind);
        icalcomponent_add_property(todo, property);
    }
    icalproperty_remove_parameter_by_kind(property, ICAL_TZID_PARAMETER);
    icalproperty_remove_parameter_by_kind(property, ICAL_VALUE_PARAMETER);
    icalproperty_set_value(property, icalvalue_new_datetime(time));
}

// libical's own TEXT escaping and reading are not to be trusted with a title (it strips the spaces at either end when
// reading), so the SUMMARY goes out as a placeholder that the escaped title replaces in the finished text.
void setTitle(icalcomponent* todo, const std::string& placeholder) {
    icalproperty* summary = icalcomponent_get_first_property(todo, ICAL_SUMMARY_PROPERTY);
    if (placeholder.empty())
        removeAll(todo, ICAL_SUMMARY_PROPERTY);
    else if (summary)
        icalproperty_set_summary(summary, placeholder.c_str());
    else
        icalcomponent_add_property(todo, icalproperty_new_summary(placeholder.c_str()));
}

// The text with the placeholder replaced and every line folded anew.
std::string withTitle(const std::string& text, const std::string& placeholder, const std::string& value) {
    std::string result;
    result.reserve(text.size() + value.size());
    for (std::string& line : unfoldedLines(text)) {
        if (line.empty())
            continue;
        if (!placeholder.empty() && line.find(placeholder) != std::string::npos) {
            // Parameters libical garbles (an empty one, a stray colon) would make the title read back otherwise:
            // then the SUMMARY goes without them.
            const auto written = valueOf(line);
            line = written && *written == placeholder ? line.substr(0, line.size() - placeholder.size()) + value
                                                      : "SUMMARY:" + value;
        }
        result += foldedLine(line);
    }
    return result;
}

// The status changes only with the completion, so that a title change leaves another client's IN-PROCESS or
// CANCELLED alone.
void setCompletion(icalcomponent* todo, const Task& task, bool wasCompleted) {
    if (task.completed == wasCompleted) {
        if (const auto time = utcTime(task.completedSince1970); task.completed && time)
            setUtc(todo, ICAL_COMPLETED_PROPERTY, *time);
        return;
    }
    if (task.completed) {
        icalcomponent_set_status(todo, ICAL_STATUS_COMPLETED);
        setUtc(todo, ICAL_COMPLETED_PROPERTY, utcTime(task.completedSince1970).value_or(nowUtc()));
    } else {
        icalcomponent_set_status(todo, ICAL_STATUS_NEEDSACTION);
        removeAll(todo, ICAL_COMPLETED_PROPERTY);
    }
}

Parsed freshCalendar() {
    Parsed fresh;
    fresh.root.reset(icalcomponent_new_vcalendar());
    fresh.calendar = fresh.root.get();
    fresh.todo = icalcomponent_new_vtodo();
    icalcomponent_add_component(fresh.calendar, fresh.todo);
    icalcomponent_set_status(fresh.todo, ICAL_STATUS_NEEDSACTION);
    return fresh;
}

} // namespace

std::optional<Task> read(std::string_view icalendar, std::string* whyNot) {
    std::string reason;
    const Parsed parsed = parse(icalendar, reason);
    if (parsed.todo) {
        if (auto unreadable = unreadableOwnedProperty(parsed.todo))
            reason = *unreadable;
        else if (const char* uid = icalcomponent_get_uid(parsed.todo); !uid || !*uid)
            reason = "a VTODO without a UID";
    }
    if (!reason.empty()) {
        if (whyNot)
            *whyNot = reason;
        return std::nullopt;
    }
    Task task;
    task.uid = icalcomponent_get_uid(parsed.todo);
    if (const auto summary = firstTaskProperty(icalendar, "SUMMARY"))
        task.title = unescapeText(*summary);
    task.completed = isCompleted(parsed.todo);
    task.createdSince1970 = secondsOf(parsed.todo, ICAL_CREATED_PROPERTY, parsed.calendar);
    task.completedSince1970 = secondsOf(parsed.todo, ICAL_COMPLETED_PROPERTY, parsed.calendar);
    return task;
}

std::string write(const Task& task, std::string_view previous) {
    std::string ignored;
    Parsed parsed = previous.empty() ? Parsed{} : parse(previous, ignored);
    const bool hadTask = parsed.todo != nullptr;
    if (!hadTask)
        parsed = freshCalendar();
    // What libical could not read is dropped from the calendar; its error notes must not reach the server.
    icalcomponent_strip_errors(parsed.calendar);
    icalcomponent* calendar = parsed.calendar;
    icalcomponent* todo = parsed.todo;

    if (!icalcomponent_get_first_property(calendar, ICAL_VERSION_PROPERTY))
        icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    if (!icalcomponent_get_first_property(calendar, ICAL_PRODID_PROPERTY))
        icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Redizado//Redizado//EN"));

    const char* uid = icalcomponent_get_uid(todo);
    if (!task.uid.empty())
        icalcomponent_set_uid(todo, task.uid.c_str());
    else if (!uid || !*uid)
        icalcomponent_set_uid(todo, newUid().c_str());
    // An empty title is no SUMMARY: libical refuses an empty one when reading it back.
    const std::string title = escapeText(task.title);
    const std::string placeholder = title.empty() ? std::string() : "REDIZADO-TITLE-" + newUid();
    setTitle(todo, placeholder);
    setCompletion(todo, task, hadTask && isCompleted(todo));
    if (const auto created = utcTime(task.createdSince1970);
        created && !icalcomponent_get_first_property(todo, ICAL_CREATED_PROPERTY))
        setUtc(todo, ICAL_CREATED_PROPERTY, *created);
    const icaltimetype now = nowUtc();
    setUtc(todo, ICAL_DTSTAMP_PROPERTY, now);
    setUtc(todo, ICAL_LASTMODIFIED_PROPERTY, now);

    // Only this calendar: the other top-level components of an XROOT are no part of the task's resource.
    char* text = icalcomponent_as_ical_string_r(calendar);
    const std::string result = text ? text : "";
    std::free(text);
    return withTitle(result, placeholder, title);
}

std::string newUid() {
    // The system's entropy for every UID: two devices must never make the same one.
    std::random_device device;
    const auto draw = [&device] { return (std::uint64_t{device()} << 32) | device(); };
    std::uint64_t high = draw();
    std::uint64_t low = draw();
    // Version 4 (random), variant 1.
    high = (high & ~0xf000ULL) | 0x4000ULL;
    low = (low & ~(0xc000ULL << 48)) | (0x8000ULL << 48);
    char text[37];
    std::snprintf(text, sizeof text, "%08x-%04x-%04x-%04x-%012llx", static_cast<unsigned>(high >> 32),
                  static_cast<unsigned>((high >> 16) & 0xffff), static_cast<unsigned>(high & 0xffff),
                  static_cast<unsigned>(low >> 48), static_cast<unsigned long long>(low & 0xffffffffffffULL));
    return text;
}

} // namespace vtodo
