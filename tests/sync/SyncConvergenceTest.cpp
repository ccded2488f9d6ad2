// SPDX-License-Identifier: GPL-3.0-or-later
// Two copies of the program and another device change one calendar at random, sync in random order, with the server
// restarted and syncs cut off at random moments; at the end all three hold the same list, and every change is there
// unless a later change to the same property, made by someone who had seen it, replaced it.
// REDIZADO_SEED picks the run (printed); REDIZADO_SOAK_STEPS its length.
#include "RadicaleServer.h"
#include "SyncRun.h"
#include "SyncedList.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <random>

namespace {

enum Who { copyA, copyB, device };
const char* const whoName[] = {"copy A", "copy B", "the other device"};

// A title for a message: line breaks shown, long runs cut short.
std::string shown(const std::string& title) {
    const std::string text =
        title.size() > 80 ? title.substr(0, 40) + "…(" + std::to_string(title.size()) + " bytes)" : title;
    return "\"" + QString::fromStdString(text).replace(QLatin1Char('\n'), QStringLiteral("⏎")).toStdString() + "\"";
}

unsigned envNumber(const char* name, unsigned otherwise) {
    const char* text = std::getenv(name);
    return text && *text ? unsigned(std::strtoul(text, nullptr, 10)) : otherwise;
}

// The other device, a python3-caldav script of the test's own, talking straight to the server.
class OtherDevice {
public:
    static inline const QString python = QStringLiteral("/usr/bin/python3");
    void start(const QUrl& server, const QString& user, const QString& password, const QUrl& calendar) {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(python, {REDIZADO_OTHER_DEVICE, server.toString(), user, password, calendar.toString()});
    }
    // Its answer: "ok", else an "error".
    QJsonObject ask(const QJsonObject& request) {
        m_process.write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
        while (!m_process.canReadLine())
            if (!m_process.waitForReadyRead(60000))
                return {{"error", "the other device did not answer"}};
        return QJsonDocument::fromJson(m_process.readLine()).object();
    }
    Contents contents() {
        const QJsonObject answer = ask({{"op", "list"}});
        EXPECT_TRUE(answer["ok"].toBool()) << "the other device's list: " << answer["error"].toString().toStdString();
        Contents contents;
        for (const QJsonValue& task : answer["tasks"].toArray())
            contents[task[0].toString().toStdString()] = {task[1].toString().toStdString(), task[2].toBool()};
        return contents;
    }
    ~OtherDevice() {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }

private:
    QProcess m_process;
};

// A value written to an item's title or check mark, and when the server had it.
template <typename T> struct Write {
    T value;
    int step;
    Who who;
    std::optional<int> arrived;
};

// Everything done to one item.
struct History {
    std::vector<Write<std::string>> titles;
    std::vector<Write<bool>> checks;
    std::optional<int> removedAt;
    std::vector<std::string> events;
    Who removedBy = device;
};

class SyncConvergenceTest : public RadicaleTest {
protected:
    void SetUp() override {
        RadicaleTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        if (QProcess::execute(OtherDevice::python, {"-c", "import caldav, vobject"}) != 0)
            GTEST_SKIP() << "python3-caldav or python3-vobject is not installed";
    }

    // A title made of odd pieces around a number that keeps it apart from every other.
    std::string oddTitle() {
        std::string title = pick("||  | |<b>bold</b> |a, b; c |back\\slash |\\n literal |two\nlines |é ü 漢字 🙂 "
                                 "|&amp; <|\"quoted\" ") +
                            "#" + std::to_string(++m_titles);
        if (chance(5))
            title += " " + std::string(300 + random(700), 'L');
        return title + pick("||  | | </i>| c; b, a| slash\\| \\| line\nbreak| 🙂 漢字 ü| >&lt;| \\;\\,");
    }
    // One of the pieces, which are split at '|'.
    std::string pick(const char* pieces) {
        const QStringList all = QString::fromUtf8(pieces).split(QLatin1Char('|'));
        return all[qsizetype(random(std::size_t(all.size())))].toStdString();
    }
    std::size_t random(std::size_t below) { return std::uniform_int_distribution<std::size_t>(0, below - 1)(m_random); }
    bool chance(int percent) { return int(random(100)) < percent; }

    void note(int item, const std::string& what) {
        m_items[item].events.push_back("step " + std::to_string(m_step) + ": " + what);
    }
    // The other device writes to the server straight away; a copy's writes get there with its next good sync.
    std::optional<int> arrivesNow(Who who) const { return who == device ? std::optional(m_step) : std::nullopt; }
    int newItem(Who who, const std::string& title) {
        const int item = int(m_items.size());
        m_items.push_back({{{title, m_step, who, arrivesNow(who)}}, {{false, m_step, who, arrivesNow(who)}}, {}, {}});
        m_everTitled[title] = item;
        note(item, std::string(whoName[who]) + " adds it as " + shown(title));
        return item;
    }

    // A change to an item already known, picked and recorded: as the request the other device takes, which a copy
    // carries out itself.
    QJsonObject change(int item, Who who, bool wasDone) {
        History& history = m_items[item];
        const int kind = int(random(10));
        if (kind < 4) {
            history.checks.push_back({!wasDone, m_step, who, arrivesNow(who)});
            note(item, std::string(whoName[who]) + (wasDone ? " unchecks it" : " checks it"));
            return {{"op", "check"}, {"done", !wasDone}};
        }
        if (kind < 8) {
            const std::string title = oddTitle();
            history.titles.push_back({title, m_step, who, arrivesNow(who)});
            m_everTitled[title] = item;
            note(item, std::string(whoName[who]) + " renames it " + shown(title));
            return {{"op", "rename"}, {"title", QString::fromStdString(title)}};
        }
        if (!history.removedAt) {
            history.removedBy = who;
            history.removedAt = m_step;
        }
        note(item, std::string(whoName[who]) + " removes it");
        return {{"op", "remove"}};
    }

    // Items whose UID the test has not met yet: made on a copy and since synced, found by their first title.
    void learnUids(const Contents& contents, const char* where) {
        for (const auto& [uid, task] : contents) {
            if (uid.empty() || m_byUid.count(uid))
                continue;
            const auto pending = m_pending.find(task.first);
            if (pending == m_pending.end()) {
                m_byUid[uid] = -1;
                const auto titled = m_everTitled.find(task.first);
                // Renamed differently on two sides, neither having seen the other's: the item becomes two.
                if (titled == m_everTitled.end() || !renamedApart(m_items[titled->second], task.first))
                    m_problems.push_back(std::string(where) + " holds an item nobody made, or a second one: " + uid +
                                         " " + shown(task.first) +
                                         (titled == m_everTitled.end() ? std::string() : historyOf(titled->second)));
                continue;
            }
            m_uidOf[m_byUid[uid] = pending->second] = uid;
            m_pending.erase(pending);
        }
    }

    // Whether a copy gave the item this title while someone else gave it another, neither having seen the other's.
    bool renamedApart(const History& history, const std::string& title) const {
        for (const auto& ours : history.titles)
            if (ours.value == title && ours.who != device)
                for (const auto& theirs : history.titles)
                    if (theirs.who != ours.who && theirs.value != title && !hadSeen(ours.who, theirs, ours.step) &&
                        !hadSeen(theirs.who, ours, theirs.step))
                        return true;
        return false;
    }
    std::string historyOf(int item) const {
        std::string lines;
        for (const std::string& event : m_items[item].events)
            lines += "\n    " + event;
        return lines;
    }

    // A change made on a copy, to an item it already synced.
    void changeOnCopy(Who who) {
        SyncedList& copy = m_copies[who];
        JLJotlingManager& manager = copy.manager;
        std::vector<std::size_t> known;
        for (std::size_t i = 0; i < manager.redizado().size(); ++i) {
            const std::string uid = copy.uidAt(i);
            if (!uid.empty() && m_byUid.count(uid) && m_byUid[uid] >= 0)
                known.push_back(i);
        }
        if (known.empty() || chance(30)) {
            const std::string title = oddTitle();
            manager.addJotlingWithTitle(title);
            m_pending[title] = newItem(who, title);
            return;
        }
        const std::size_t index = known[random(known.size())];
        const auto& record = manager.redizado()[index];
        const QJsonObject done = change(m_byUid[copy.uidAt(index)], who, record->completed());
        if (done["op"] == "check")
            manager.completeEntry(done["done"].toBool(), std::int64_t(index), false);
        else if (done["op"] == "rename")
            manager.renameEntry(done["title"].toString().toStdString(), std::int64_t(index), false);
        else
            manager.removeEntryAtIndex(std::int64_t(index), false);
    }

    void changeOnDevice() {
        const Contents there = m_device.contents();
        learnUids(there, "the server");
        std::vector<std::string> known;
        for (const auto& [uid, task] : there)
            if (m_byUid.count(uid) && m_byUid[uid] >= 0)
                known.push_back(uid);
        QJsonObject request;
        if (known.empty() || chance(30)) {
            const std::string title = oddTitle();
            const std::string uid = "device-" + std::to_string(m_step) + "@test";
            request = {{"op", "add"}, {"uid", QString::fromStdString(uid)}, {"title", QString::fromStdString(title)}};
            m_uidOf[m_byUid[uid] = newItem(device, title)] = uid;
        } else {
            const std::string uid = known[random(known.size())];
            request = change(m_byUid[uid], device, there.at(uid).second);
            request["uid"] = QString::fromStdString(uid);
        }
        if (const QJsonObject answer = m_device.ask(request); !answer["ok"].toBool())
            m_problems.push_back("step " + std::to_string(m_step) +
                                 ": the other device failed: " + answer["error"].toString().toStdString());
    }

    // One sync of a copy as the tray program runs it; the server killed after cutAfterMs when given.
    void sync(Who who, std::optional<int> cutAfterMs = std::nullopt) {
        SyncedList& copy = m_copies[who];
        std::optional<SyncReport> report;
        auto run = std::make_unique<SyncRun>(CalDavAccount{server.url(), user, password}, copy.manager, copy.statePath);
        QObject::connect(run.get(), &SyncRun::finished, [&report](const SyncReport& done) { report = done; });
        run->start();
        const bool cut = cutAfterMs && !waitUntil([&] { return report.has_value(); }, *cutAfterMs);
        if (cut)
            server.stop();
        if (!waitUntil([&] { return report.has_value(); }, 60000))
            m_problems.push_back("step " + std::to_string(m_step) + ": a sync of " + whoName[who] + " never finished");
        if (cut)
            restartServer();
        if (!report || report->outcome != SyncOutcome::Ok)
            return;
        m_goodSyncs[who].push_back(m_step);
        const auto arrive = [&](auto& write) {
            write.arrived = write.who == who && !write.arrived ? m_step : write.arrived;
        };
        for (History& history : m_items)
            std::ranges::for_each(history.titles, arrive), std::ranges::for_each(history.checks, arrive);
        learnUids(copy.contents(), whoName[who]);
    }
    void restartServer() {
        server.stop();
        if (!server.restart())
            m_problems.push_back("step " + std::to_string(m_step) + ": radicale would not start again");
    }

    // Whether who had seen the write when it made a change at step.
    template <typename T> bool hadSeen(Who who, const Write<T>& write, int step) const {
        if (write.who == who)
            return true;
        if (!write.arrived)
            return false;
        if (who == device)
            return *write.arrived < step;
        return std::ranges::any_of(m_goodSyncs[who], [&](int s) { return s > *write.arrived && s < step; });
    }
    // The values no one replaced knowingly: what the item may end with.
    template <typename T> std::vector<T> standing(const std::vector<Write<T>>& writes) const {
        std::vector<T> values;
        for (const auto& write : writes)
            if (std::none_of(writes.begin(), writes.end(), [&](const auto& later) {
                    return later.step > write.step && hadSeen(later.who, write, later.step);
                }))
                values.push_back(write.value);
        return values;
    }

    // Changed after the removal, or before it by someone whose change the remover had not seen: kept.
    template <typename T> bool changedApart(const History& history, const Write<T>& w) const {
        return w.step > *history.removedAt || !hadSeen(history.removedBy, w, *history.removedAt);
    }
    // What a field may end with. A removal erases what its remover had seen: an item a change apart from it
    // brought back holds that change, and where none touched the field, the value its copy last knew, which may be
    // any written before.
    template <typename T> std::vector<T> mayEndWith(const History& history, const std::vector<Write<T>>& writes) const {
        if (!history.removedAt)
            return standing(writes);
        std::vector<Write<T>> apart;
        std::ranges::copy_if(writes, std::back_inserter(apart),
                             [&](const auto& w) { return changedApart(history, w); });
        if (!apart.empty())
            return standing(apart);
        std::vector<T> any;
        std::ranges::transform(writes, std::back_inserter(any), &Write<T>::value);
        return any;
    }

    // What is wrong with the end result, one line an item.
    void judge(const Contents& result) {
        for (int item = 0; item < int(m_items.size()); ++item) {
            const History& history = m_items[item];
            const auto uid = m_uidOf.find(item);
            const auto found = uid == m_uidOf.end() ? result.end() : result.find(uid->second);
            const auto changedApart = [&](const auto& w) { return this->changedApart(history, w); };
            const bool editedAfterRemoval = history.removedAt && (std::ranges::any_of(history.titles, changedApart) ||
                                                                  std::ranges::any_of(history.checks, changedApart));
            std::string wrong;
            if (found == result.end()) {
                if (!history.removedAt)
                    wrong = "is lost";
            } else if (history.removedAt && !editedAfterRemoval) {
                wrong = "was removed but is still there";
            } else {
                const auto titles = mayEndWith(history, history.titles);
                const auto checks = mayEndWith(history, history.checks);
                if (std::find(titles.begin(), titles.end(), found->second.first) == titles.end()) {
                    wrong = "ends titled " + shown(found->second.first) + ", where no change left standing put it; " +
                            "it may end as";
                    for (const std::string& title : titles)
                        wrong += " " + shown(title);
                } else if (std::find(checks.begin(), checks.end(), found->second.second) == checks.end()) {
                    wrong = std::string("ends ") + (found->second.second ? "checked" : "unchecked") +
                            ", which a later change undid";
                }
            }
            if (wrong.empty())
                continue;
            m_problems.push_back("item " + shown(history.titles.front().value) + " " + wrong + ":" + historyOf(item));
        }
    }

    std::mt19937 m_random;
    std::array<SyncedList, 2> m_copies;
    std::array<std::vector<int>, 2> m_goodSyncs; // the steps of each copy's syncs that went through
    OtherDevice m_device;
    std::vector<History> m_items;
    std::map<std::string, int> m_byUid; // -1: an item nobody made
    std::map<int, std::string> m_uidOf;
    std::map<std::string, int> m_pending;    // made on a copy, not yet synced: by first title
    std::map<std::string, int> m_everTitled; // every title given, to the item it was given to
    std::vector<std::string> m_problems;
    int m_step = 0;
    int m_titles = 0;
};

TEST_F(SyncConvergenceTest, TwoCopiesAndAnotherDeviceEndWithTheSameListAndEveryChangeThatWasNotReplaced) {
    const unsigned seed = envNumber("REDIZADO_SEED", 30);
    const int steps = int(envNumber("REDIZADO_SOAK_STEPS", REDIZADO_CONVERGENCE_STEPS));
    std::cout << "seed " << seed << " (REDIZADO_SEED), " << steps << " steps (REDIZADO_SOAK_STEPS)" << std::endl;
    m_random.seed(seed);

    sync(copyA);
    const QUrl calendar(QString::fromStdString(SyncState::load(m_copies[copyA].statePath).calendar));
    ASSERT_FALSE(calendar.isEmpty()) << "the first sync found no calendar";
    m_device.start(server.url(), user, password, calendar);

    for (m_step = 1; m_step <= steps; ++m_step) {
        const int roll = int(random(100));
        if (roll < 35)
            changeOnCopy(Who(random(2)));
        else if (roll < 55)
            changeOnDevice();
        else if (roll < 88)
            sync(Who(random(2)));
        else if (roll < 93)
            restartServer();
        else
            sync(Who(random(2)), int(random(60)));
    }

    // A quiet round: nobody changes anything while both copies sync twice.
    for (const Who who : {copyA, copyB, copyA, copyB})
        sync(who);
    const Contents a = m_copies[copyA].contents(), b = m_copies[copyB].contents(), there = m_device.contents();
    learnUids(there, "the server");
    EXPECT_EQ(a, b) << "the two copies differ (seed " << seed << ")";
    EXPECT_EQ(a, there) << "copy A and the server differ (seed " << seed << ")";
    EXPECT_EQ(a.count(""), 0u) << "an item was never synced";
    judge(there);
    for (const std::string& problem : m_problems)
        ADD_FAILURE() << problem << " (seed " << seed << ")";
}

} // namespace
