// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What a list asks of the items it shows. A row is an index into the to-do list (todo) or the full list; the list
// only ever asks about rows it holds.
class ListItems {
public:
    // What the item a row showed is sought by while its row moves or the list is replaced: the item itself or its
    // creation date object, held. Only the list that gave it can read it.
    using ItemKey = std::shared_ptr<const void>;

    virtual ~ListItems() = default;

    virtual std::int64_t count(bool todo) const = 0;
    // Nothing for an item without a title.
    virtual std::optional<QString> titleAt(std::int64_t row, bool todo) const = 0;
    virtual bool isCheckedAt(std::int64_t row, bool todo) const = 0;
    virtual ItemKey keyAt(std::int64_t row, bool todo) const = 0;
    // Every row's key at once, as a reload takes them.
    virtual std::vector<ItemKey> keys(bool todo) const {
        std::vector<ItemKey> all;
        const std::int64_t rows = count(todo);
        all.reserve(static_cast<std::size_t>(std::max<std::int64_t>(rows, 0)));
        for (std::int64_t row = 0; row < rows; ++row)
            all.push_back(keyAt(row, todo));
        return all;
    }
    // The row that holds the item now; -1 when it has gone.
    virtual std::int64_t rowOf(const ItemKey& key, bool todo) const = 0;

    // Each change is stored at once. A new item goes on top of both lists, unchecked.
    virtual void add(const QString& title) = 0;
    // Toggle and remove answer false when the item could not be found and nothing changed.
    virtual bool toggle(std::int64_t row, bool todo) = 0;
    virtual bool remove(std::int64_t row, bool todo) = 0;
    // False when the title is refused; the item keeps its own.
    virtual bool rename(std::int64_t row, bool todo, const QString& title) = 0;
};
