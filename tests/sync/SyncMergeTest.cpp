// SPDX-License-Identifier: GPL-3.0-or-later
#include "SyncMerge.h"
#include "ItemTask.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <variant>

using namespace plist_value;
using Record = std::shared_ptr<JLJotling>;

namespace {

const std::string uid = "u1";
const std::string href = "/cal/u1.ics";

// A title and a check mark: what an item and a task share.
struct Side {
    std::string title;
    bool checked = false;
    friend bool operator==(const Side&, const Side&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Side& side) {
        return out << '"' << side.title << '"' << (side.checked ? " checked" : "");
    }
};

Record item(const Side& side, const std::string& itsUid = uid, double created = 1000) {
    Dictionary dictionary;
    vtodo::applyToItem({itsUid, side.title, side.checked, created, {}}, dictionary);
    return std::make_shared<JLJotling>(dictionary);
}
std::string textOf(const Side& side, const std::string& previous = {}, const std::string& itsUid = uid) {
    return vtodo::write({itsUid, side.title, side.checked, 1000, {}}, previous);
}
std::string hrefFor(const std::string& itsUid) {
    return "/cal/" + itsUid + ".ics";
}
// As both sides last agreed on it.
TaskState stateOf(const Side& side, const std::string& itsUid = uid) {
    return {hrefFor(itsUid), "e1", side.title, side.checked, textOf(side, {}, itsUid)};
}
Side sideOf(const std::string& icalendar) {
    const auto task = vtodo::read(icalendar);
    return task ? Side{task->title, task->completed} : Side{"<unreadable>"};
}
std::vector<Side> sidesOf(const JLJotlingManager::List& items) {
    std::vector<Side> sides;
    for (const Record& record : items)
        sides.push_back({record->title().value_or(""), record->completed()});
    return sides;
}
SyncMerge merge(const JLJotlingManager::List& items, const std::map<std::string, TaskState>& tasks,
                const ServerChanges& server = {}) {
    return mergeChanges(items, tasks, server, hrefFor);
}

enum class There { Unchanged, Removed, Unreadable };

const Side milk{"Milk"}, oat{"Oat milk"}, soy{"Soy milk"};
const Side milkDone{"Milk", true}, oatDone{"Oat milk", true}, soyDone{"Soy milk", true};

// Each write as what it writes over which version.
std::string over(const Side& side, const std::string& version) {
    return ::testing::PrintToString(side) + " over " + version;
}

// Base: as both sides last agreed (nothing: never synced); here: nothing when not here. Their version is the one
// known from now on, whatever became of it here.
TEST(SyncMerge, KeepsWhatEitherSideChanged) {
    using Row = std::tuple<const char*, std::optional<Side>, std::optional<Side>, std::variant<There, Side>,
                           std::vector<Side>, std::vector<std::string>>;
    for (auto [name, base, here, there, expectHere, expectWrites] : std::vector<Row>{
             {"NothingChanged", milk, milk, There::Unchanged, {milk}, {}},
             {"RenamedHere", milk, oat, There::Unchanged, {oat}, {over(oat, "e1")}},
             {"RenamedThere", milk, milk, soy, {soy}, {}},
             {"CheckedThere", milk, milk, milkDone, {milkDone}, {}},
             {"CheckedHereRenamedThere", milk, milkDone, soy, {soyDone}, {over(soyDone, "e2")}},
             {"CheckedOnBothSides", milk, milkDone, milkDone, {milkDone}, {}},
             // Ours stays where it was, theirs beside it; ours goes to the server as a task of its own.
             {"RenamedDifferentlyOnBothSides", milk, oat, soy, {oat, soy}, {over(oat, "none")}},
             // Renamed apart: a check changed on one side goes to both halves, as had its write come before the rename.
             {"ApartCheckedHere", milk, oatDone, soy, {oatDone, soyDone}, {over(oatDone, "none"), over(soyDone, "e2")}},
             {"ApartCheckedThere", milk, oat, soyDone, {oatDone, soyDone}, {over(oatDone, "none")}},
             {"ApartUncheckedHere", milkDone, oat, soyDone, {oat, soy}, {over(oat, "none"), over(soy, "e2")}},
             {"ApartCheckedOnBothSides", milk, oatDone, soyDone, {oatDone, soyDone}, {over(oatDone, "none")}},
             {"DeletedHereChangedThere", milk, std::nullopt, soy, {soy}, {}},
             {"DeletedThereChangedHere", milk, oat, There::Removed, {oat}, {over(oat, "none")}},
             {"DeletedHere", milk, std::nullopt, There::Unchanged, {}, {"removes " + href + " over e1"}},
             {"DeletedThere", milk, milk, There::Removed, {}, {}},
             {"UnreadableThere", milk, oat, There::Unreadable, {oat}, {}},
             // Met anew: done on either side is done, and one task stays one.
             {"StateLostCheckedHereOnly", std::nullopt, milkDone, milk, {milkDone}, {over(milkDone, "e2")}},
             {"StateLostCheckedThereOnly", std::nullopt, milk, milkDone, {milkDone}, {}},
             {"StateLostRenamedOneSide", std::nullopt, milk, soyDone, {soyDone}, {}}}) {
        SCOPED_TRACE(name);
        std::map<std::string, TaskState> tasks;
        if (base)
            tasks[uid] = stateOf(*base);
        ServerChanges server;
        if (const Side* changed = std::get_if<Side>(&there))
            server.changed.push_back({href, "e2", textOf(*changed, base ? tasks[uid].serverText : "")});
        else if (std::get<There>(there) == There::Removed)
            server.removed.push_back(href);
        else if (std::get<There>(there) == There::Unreadable)
            server.changed.push_back({href, "e2", "BEGIN:VCALENDAR\r\nBEGIN:VTODO\r\nSUMMARY:no uid\r\nEND:VTODO\r\n"});
        const SyncMerge merged =
            merge(here ? JLJotlingManager::List{item(*here)} : JLJotlingManager::List{}, tasks, server);

        EXPECT_EQ(sidesOf(merged.items), expectHere);
        std::vector<std::string> writes;
        for (const TaskRemoval& removal : merged.removals)
            writes.push_back("removes " + removal.href + " over " + removal.etag);
        for (const TaskPush& push : merged.pushes)
            writes.push_back(over(sideOf(push.icalendar), push.ifMatch.value_or("none")));
        std::sort(writes.begin(), writes.end());
        std::sort(expectWrites.begin(), expectWrites.end());
        EXPECT_EQ(writes, expectWrites);
        EXPECT_TRUE(!std::holds_alternative<Side>(there) || !merged.tasks.count(uid) ||
                    merged.tasks.at(uid).etag == "e2");
    }
}

TEST(SyncMerge, ASecondItemWithTheSameUidBecomesATaskOfItsOwn) {
    const SyncMerge merged = merge({item(milk), item(oat)}, {{uid, stateOf(milk)}});
    ASSERT_EQ(merged.pushes.size(), 1u);
    EXPECT_NE(merged.pushes[0].uid, uid);
    EXPECT_EQ(sideOf(merged.pushes[0].icalendar), oat);
}

// Several at once, as on a first sync with another device: each among the items by its age, newest first.
TEST(SyncMerge, TasksNewFromTheServerTakeTheirPlacesByCreationDate) {
    const JLJotlingManager::List items{item({"Newer"}, "a", 3000), item({"Older"}, "b", 1000)};
    const std::map<std::string, TaskState> tasks{{"a", stateOf({"Newer"}, "a")}, {"b", stateOf({"Older"}, "b")}};
    const std::string between = vtodo::write({"c", "Between", false, 2000, {}});
    const std::string newest = vtodo::write({"d", "Newest", false, 4000, {}});
    const SyncMerge merged =
        merge(items, tasks, {{{hrefFor("c"), "e", between}, {hrefFor("d"), "e", newest}}, {}, false});
    EXPECT_EQ(sidesOf(merged.items), (std::vector<Side>{{"Newest"}, {"Newer"}, {"Between"}, {"Older"}}));
}

TEST(SyncMerge, AFullListingTellsRemovedTasksFromUnchangedOnes) {
    const JLJotlingManager::List items{item(milk, "a"), item(soy, "b")};
    const std::map<std::string, TaskState> tasks{{"a", stateOf(milk, "a")}, {"b", stateOf(soy, "b")}};
    const SyncMerge merged = merge(items, tasks, {{{hrefFor("a"), "e1", textOf(milk, {}, "a")}}, {}, true});
    EXPECT_EQ(sidesOf(merged.items), std::vector<Side>{milk});
    EXPECT_TRUE(merged.pushes.empty());
    EXPECT_EQ(merged.summary.removedHere, 1);
}

// The calendar met anew, with items whose UIDs this device lost: the same title created in the same second is the
// same task, whatever the fraction of the second the item here keeps.
TEST(SyncMerge, MetAnewAnItemWithoutItsUidIsMatchedByTitleAndCreation) {
    JLJotlingManager::List items{item(milk, "", 1000.6), item(soy, "", 1000.2)};
    const SyncMerge merged = merge(items, {},
                                   {{{hrefFor("p1"), "e1", textOf(milk, {}, "p1")},
                                     {hrefFor("p2"), "e2", vtodo::write({"p2", "Soy milk", false, 1000, {}})}},
                                    {},
                                    true});
    EXPECT_TRUE(merged.pushes.empty());
    EXPECT_TRUE(merged.removals.empty());
    ASSERT_EQ(merged.items.size(), 2u);
    EXPECT_EQ(vtodo::taskOfItem(*merged.items[0]->dictionary()).uid, "p1");
    EXPECT_EQ(vtodo::taskOfItem(*merged.items[1]->dictionary()).uid, "p2");
    EXPECT_EQ(merged.tasks.size(), 2u);

    // A task whose UID an item here still has is that item's, though another has its title and second.
    const SyncMerge twins = merge({item(milk, "", 1000), item(milkDone, "p1", 1000)}, {},
                                  {{{hrefFor("p1"), "e1", textOf(milkDone, {}, "p1")}}, {}, true});
    EXPECT_EQ(sidesOf(twins.items), (std::vector<Side>{milk, milkDone}));
}

// A write whose answer was lost, then the item renamed again here: the server's version is our own write, so the
// new title goes over it, with no second task and no title lost.
TEST(SyncMerge, ATaskTheServerHoldsAsWeLastSentItIsOurs) {
    for (const bool wasNew : {false, true}) {
        SCOPED_TRACE(wasNew ? "a new task" : "a rename");
        std::map<std::string, TaskState> tasks;
        if (!wasNew)
            tasks[uid] = stateOf(milk);
        const ServerChanges server{{{href, "e2", textOf(oat)}}, {}, false};
        const SyncMerge merged = mergeChanges({item(soy)}, tasks, server, hrefFor, {{uid, {"Oat milk", false}}});
        EXPECT_EQ(sidesOf(merged.items), std::vector<Side>{soy});
        ASSERT_EQ(merged.pushes.size(), 1u);
        EXPECT_EQ(merged.pushes[0].uid, uid);
        EXPECT_EQ(merged.pushes[0].ifMatch, std::optional<std::string>("e2"));
        EXPECT_EQ(sideOf(merged.pushes[0].icalendar), soy);
    }
}

// A title a task cannot hold as it is goes out, is kept here and in the state as the server reads it back.
TEST(SyncMerge, ATitleIsKeptAsTheServerReadsItBack) {
    const SyncMerge merged = merge({item({"Milk\r\nand\x07 eggs \xff"})}, {});
    const Side asRead{"Milk\nand eggs \xef\xbf\xbd"};
    EXPECT_EQ(sidesOf(merged.items), std::vector<Side>{asRead});
    ASSERT_EQ(merged.pushes.size(), 1u);
    EXPECT_EQ(sideOf(merged.pushes[0].icalendar), asRead);
    EXPECT_EQ(merged.pushes[0].title, asRead.title);
}

} // namespace

// A list that agrees with its tasks, and one change on the server: merging only what it touches ends as merging it all.
TEST(SyncMergeAgreed, MergesAsTheWholeList) {
    const JLJotlingManager::List items{item(milk, "a", 3000), item(soy, "b", 2000), item(oat, "c", 1000)};
    const std::map<std::string, TaskState> tasks{
        {"a", stateOf(milk, "a")}, {"b", stateOf(soy, "b")}, {"c", stateOf(oat, "c")}};
    ASSERT_TRUE(merge(items, tasks).settled);
    std::string rawSoy = textOf(soy, {}, "b"); // given a control character below, as no writer of ours sends it
    const auto outcome = [](const SyncMerge& m) {
        return std::tuple(sidesOf(m.items), m.itemsChanged, m.tasks, m.pushes.size(), m.removals.size(), m.summary,
                          m.malformed, m.settled);
    };
    for (const auto& [name, server] : std::vector<std::pair<const char*, ServerChanges>>{
             {"nothing", {}},
             {"renamed", {{{hrefFor("b"), "e2", textOf({"Rice milk"}, {}, "b")}}, {}, false}},
             {"checked", {{{hrefFor("c"), "e2", textOf(soyDone, {}, "c")}}, {}, false}},
             {"removed", {{}, {hrefFor("b")}, false}},
             {"new", {{{hrefFor("d"), "e1", vtodo::write({"d", "Tea", false, 2500, {}})}}, {}, false}},
             {"unreadable", {{{hrefFor("a"), "e2", "BEGIN:VCALENDAR\r\nEND:VCALENDAR\r\n"}}, {}, false}},
             {"our own echo", {{{hrefFor("a"), "e1", textOf(milk, {}, "a")}}, {}, false}},
             {"moved", {{{"/cal/elsewhere.ics", "e3", textOf(milk, {}, "a")}}, {}, false}},
             // Kept as the server has it, and made to read back as it would at the next merge.
             {"control characters",
              {{{hrefFor("b"), "e2", rawSoy.replace(rawSoy.find("Soy milk") + 3, 1, "\x01")}}, {}, false}}}) {
        SCOPED_TRACE(name);
        const SyncMerge whole = mergeChanges(items, tasks, server, hrefFor);
        EXPECT_EQ(outcome(mergeChangesAgreed(items, tasks, server, hrefFor)), outcome(whole));
        // Settled means what it says: merged again with nothing from the server, nothing changes.
        const SyncMerge again = merge(whole.items, whole.tasks);
        EXPECT_TRUE(!whole.settled || (!again.itemsChanged && again.pushes.empty() && again.removals.empty() &&
                                       again.tasks == whole.tasks && again.malformed == 0));
    }
}
