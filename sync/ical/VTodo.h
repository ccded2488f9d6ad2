// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vtodo {

// What an item shares with a calendar server's task.
struct Task {
    std::string uid;
    std::string title;
    bool completed = false;
    std::optional<double> createdSince1970;
    std::optional<double> completedSince1970;
};

// The first VTODO of a VCALENDAR text. Nothing, with the reason in whyNot, when the text holds no VTODO, the VTODO
// has no UID, or one of the properties a task is read from cannot be parsed.
std::optional<Task> read(std::string_view icalendar, std::string* whyNot = nullptr);

// The VCALENDAR text for the task. With the server's previous text, only the properties the task owns change (UID,
// SUMMARY, STATUS and COMPLETED when the completion changes, CREATED where missing, DTSTAMP, LAST-MODIFIED); all
// else stays as libical read it. Without one, or when it holds no VTODO, a new VCALENDAR.
std::string write(const Task& task, std::string_view previous = {});

// A new UID: a random UUID.
std::string newUid();

} // namespace vtodo
