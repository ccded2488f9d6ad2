// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The list the program shows on a click of the tray icon, however it shows it.
class ListPresenter {
public:
    enum class StoreChange { ItemAddedOnTop, Anything };

    virtual ~ListPresenter() = default;

    virtual bool isShown() const = 0;
    // Shows the list; one on screen already stays, brought forward where it can be.
    virtual void show() = 0;
    virtual void hide() = 0;
    virtual void toggle() = 0;
    // Another writer changed the store: the list shows what it holds now.
    virtual void reload(StoreChange change) = 0;
};
