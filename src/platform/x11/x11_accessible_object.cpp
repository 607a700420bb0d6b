// One object of the window as ATK sees it: a role, a name, its states, its children and, for a
// menu item, the one action that chooses it.
#include "platform/x11/x11_accessible_object.h"

#include <cstdint>

namespace {

// The instance and class records of the GObject type, laid out as GObject expects.
struct OrreryAccessible {
    AtkObject parent;
    GPtrArray* children;   // AtkObject*, each referenced
    std::uint64_t states;  // bit n for AtkStateType n
    AccessibleAction action;
    int actionValue;
};
struct OrreryAccessibleClass {
    AtkObjectClass parent;
};

GObjectClass* parentClass = nullptr;

OrreryAccessible* Self(gpointer object) { return static_cast<OrreryAccessible*>(object); }

std::uint64_t Bit(AtkStateType state) { return std::uint64_t{1} << static_cast<unsigned>(state); }

gint NChildren(AtkObject* object) { return static_cast<gint>(Self(object)->children->len); }

AtkObject* RefChild(AtkObject* object, gint index) {
    GPtrArray* children = Self(object)->children;
    if (index < 0 || static_cast<guint>(index) >= children->len) return nullptr;
    return ATK_OBJECT(g_object_ref(g_ptr_array_index(children, index)));
}

gint IndexInParent(AtkObject* object) {
    AtkObject* parent = object->accessible_parent;
    guint index = 0;
    if (parent == nullptr || !g_ptr_array_find(Self(parent)->children, object, &index)) return -1;
    return static_cast<gint>(index);
}

AtkStateSet* RefStateSet(AtkObject* object) {
    AtkStateSet* set = atk_state_set_new();
    for (int state = ATK_STATE_INVALID; state < ATK_STATE_LAST_DEFINED; ++state) {
        const auto type = static_cast<AtkStateType>(state);
        if ((Self(object)->states & Bit(type)) != 0) atk_state_set_add_state(set, type);
    }
    return set;
}

void Finalize(GObject* object) {
    g_ptr_array_unref(Self(object)->children);
    parentClass->finalize(object);
}

void ClassInit(gpointer klass, gpointer /*data*/) {
    parentClass = G_OBJECT_CLASS(g_type_class_peek_parent(klass));
    G_OBJECT_CLASS(klass)->finalize = Finalize;
    AtkObjectClass* atk = ATK_OBJECT_CLASS(klass);
    atk->get_n_children = NChildren;
    atk->ref_child = RefChild;
    atk->get_index_in_parent = IndexInParent;
    atk->ref_state_set = RefStateSet;
}

void InstanceInit(GTypeInstance* instance, gpointer /*klass*/) {
    Self(instance)->children = g_ptr_array_new_with_free_func(g_object_unref);
}

// Like a click, the action takes effect once the request that asked for it has been answered.
gboolean RunAction(gpointer object) {
    Self(object)->action(Self(object)->actionValue);
    return G_SOURCE_REMOVE;
}

gboolean DoAction(AtkAction* action, gint index) {
    if (index != 0 || Self(action)->action == nullptr) return FALSE;
    g_idle_add_full(G_PRIORITY_DEFAULT, RunAction, g_object_ref(action), g_object_unref);
    return TRUE;
}

gint NActions(AtkAction* action) { return Self(action)->action != nullptr ? 1 : 0; }

const gchar* ActionName(AtkAction* action, gint index) {
    return index == 0 && Self(action)->action != nullptr ? "click" : nullptr;
}

void ActionInit(gpointer interface, gpointer /*data*/) {
    auto* iface = static_cast<AtkActionIface*>(interface);
    iface->do_action = DoAction;
    iface->get_n_actions = NActions;
    iface->get_name = ActionName;
}

// It implements AtkWindow too, whose activate and deactivate signals the frame sends; the
// interface has no methods and AT-SPI no counterpart, so the other objects show nothing of it.
GType AccessibleType() {
    static const GType type = [] {
        const GType registered = g_type_register_static_simple(
            ATK_TYPE_OBJECT, "OrreryAccessible", sizeof(OrreryAccessibleClass), ClassInit,
            sizeof(OrreryAccessible), InstanceInit, GTypeFlags{});
        const GInterfaceInfo action{ActionInit, nullptr, nullptr};
        g_type_add_interface_static(registered, ATK_TYPE_ACTION, &action);
        const GInterfaceInfo window{nullptr, nullptr, nullptr};
        g_type_add_interface_static(registered, ATK_TYPE_WINDOW, &window);
        return registered;
    }();
    return type;
}

}  // namespace

AtkObject* NewAccessible(AtkRole role, const char* name,
                         std::initializer_list<AtkStateType> states) {
    auto* object = ATK_OBJECT(g_object_new(AccessibleType(), nullptr));
    atk_object_set_role(object, role);
    atk_object_set_name(object, name);
    for (const AtkStateType state : states) Self(object)->states |= Bit(state);
    return object;
}

void SetAccessibleAction(AtkObject* object, AccessibleAction action, int value) {
    Self(object)->action = action;
    Self(object)->actionValue = value;
}

void AddAccessibleChild(AtkObject* parent, AtkObject* child) {
    GPtrArray* children = Self(parent)->children;
    g_ptr_array_add(children, g_object_ref(child));
    atk_object_set_parent(child, parent);
    g_signal_emit_by_name(parent, "children-changed::add", children->len - 1, child);
}

void RemoveAccessibleChild(AtkObject* parent, AtkObject* child) {
    GPtrArray* children = Self(parent)->children;
    guint index = 0;
    if (!g_ptr_array_find(children, child, &index)) return;
    g_object_ref(child);  // until the signal has gone
    g_ptr_array_remove_index(children, index);
    g_signal_emit_by_name(parent, "children-changed::remove", index, child);
    g_object_unref(child);
}

void SetAccessibleState(AtkObject* object, AtkStateType state, bool on) {
    std::uint64_t& states = Self(object)->states;
    if (((states & Bit(state)) != 0) == on) return;
    states ^= Bit(state);
    atk_object_notify_state_change(object, state, on ? TRUE : FALSE);
}
