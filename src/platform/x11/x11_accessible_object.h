// One object of the window as ATK sees it: a role, a name, its states, its children and, for a
// menu item, the one action that chooses it.
#pragma once

#include <atk/atk.h>

#include <initializer_list>

using AccessibleAction = void (*)(int value);

// A new object, with the caller holding its one reference.
AtkObject* NewAccessible(AtkRole role, const char* name,
                         std::initializer_list<AtkStateType> states);
// Gives the object one action, "click", which calls `action` with `value` from GLib's main loop.
void SetAccessibleAction(AtkObject* object, AccessibleAction action, int value);

// Adds `child` as the last child of `parent`, or takes it out again; assistive technology is told.
void AddAccessibleChild(AtkObject* parent, AtkObject* child);
void RemoveAccessibleChild(AtkObject* parent, AtkObject* child);

// Sets or clears a state; assistive technology is told when it changes.
void SetAccessibleState(AtkObject* object, AtkStateType state, bool on);
