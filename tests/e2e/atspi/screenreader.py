"""What a screen reader does with Pelmar over AT-SPI: find its windows and controls, read them,
act on them, and hear its events.

Every wait runs the GLib main loop (the bus's answers and events arrive through it) until its
condition holds or its time limit ends, and then fails with what the program showed.
"""

import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402


def start():
    """Connects to the accessibility bus of the session in the environment."""
    Atspi.init()


def spin(seconds):
    """Runs the main loop for a while: the bus's answers and events come in."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)


def wait_until(condition, limit, what):
    """condition()'s first true result, asked again as the main loop runs. what() says what was
    awaited when it does not come."""
    deadline = time.monotonic() + limit
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"no {what()} within {limit} s")
        spin(0.05)


def application(name, limit=30):
    def find():
        desktop = Atspi.get_desktop(0)
        return next((app for app in children(desktop) if app.get_name() == name), None)
    return wait_until(find, limit,
                      lambda: f"application {name!r} on the accessibility bus")


def children(accessible):
    found = (accessible.get_child_at_index(i) for i in range(accessible.get_child_count()))
    return [child for child in found if child is not None]


def states(accessible):
    return {state.value_nick for state in accessible.get_state_set().get_states()}


def descendants(root, role=None, name=None):
    """Every accessible under root (depth first) with this role name and name, where given."""
    found = []
    for child in children(root):
        if (role is None or child.get_role_name() == role) and (
                name is None or child.get_name() == name):
            found.append(child)
        found += descendants(child, role, name)
    return found


def find(root, role=None, name=None, limit=10):
    """The first accessible under root with this role and name, once it is there."""
    def what():
        return f"{role or 'element'} {name!r} under {root.get_name()!r}:\n{tree(root)}"
    return wait_until(lambda: next(iter(descendants(root, role, name)), None), limit, what)


def window(app, name, limit=10):
    """The application's shown top-level window of this caption, once it is shown."""
    def shown():
        return next((w for w in children(app)
                     if w.get_name() == name and "showing" in states(w)), None)
    return wait_until(shown, limit, lambda: f"window {name!r}; shown: {shown_windows(app)}")


def shown_windows(app):
    return [w.get_name() for w in children(app) if "showing" in states(w)]


def text(accessible):
    return Atspi.Text.get_text(accessible, 0, Atspi.Text.get_character_count(accessible))


def center(accessible):
    """The middle of the accessible on the screen, where a click reaches it."""
    extents = Atspi.Component.get_extents(accessible, Atspi.CoordType.SCREEN)
    return extents.x + extents.width // 2, extents.y + extents.height // 2


def actions(accessible):
    # Its replacement, atspi_action_get_name, is not in the Python binding.
    with warnings.catch_warnings():
        warnings.simplefilter("ignore", DeprecationWarning)
        return [accessible.get_action_name(i) for i in range(accessible.get_n_actions())]


def act(accessible, action):
    """Does the named action (Press, Toggle, ShowMenu, SetFocus...) as a screen reader does."""
    names = actions(accessible)
    if action not in names:
        raise AssertionError(f"{accessible.get_name()!r} offers {names}, not {action!r}")
    accessible.do_action(names.index(action))


class Events:
    """Records the events of the given types ("window:activate", "object:state-changed:"...)
    from its start until it is closed."""

    def __init__(self, *types):
        self.seen = []
        self.types = types
        self.listener = Atspi.EventListener.new(self.seen.append)
        for event_type in types:
            self.listener.register(event_type)

    def wait(self, matches, limit, what):
        """The first recorded event for which matches(event) holds, once it has come."""
        return wait_until(lambda: next((e for e in self.seen if matches(e)), None), limit,
                          lambda: f"event {what} among {[e.type for e in self.seen]}")

    def close(self):
        for event_type in self.types:
            self.listener.deregister(event_type)


def relations(accessible):
    """The accessible's relations as (type, target names), as "labelled-by" ["DMアドレス"]."""
    return [(relation.get_relation_type().value_nick,
             [relation.get_target(i).get_name() for i in range(relation.get_n_targets())])
            for relation in accessible.get_relation_set()]


def tree(root, indent=""):
    """What a screen reader gets under root: role, name, description, states, relations,
    actions, text and table size."""
    lines = []
    for child in children(root):
        line = f"{indent}[{child.get_role_name()}] {child.get_name()!r}"
        if child.get_description():
            line += f" description={child.get_description()!r}"
        line += " {" + ",".join(sorted(states(child))) + "}"
        for relation in relations(child):
            line += f" {relation[0]}={relation[1]}"
        if actions(child):
            line += f" actions={actions(child)}"
        if "Text" in child.get_interfaces():
            line += f" text={text(child)!r}"
        if "Table" in child.get_interfaces():
            line += f" table={child.get_n_rows()}x{child.get_n_columns()}"
        lines += [line, tree(child, indent + "  ")]
    return "\n".join(line for line in lines if line)
