#!/usr/bin/python3
"""Reads the manager's windows through AT-SPI, as a screen reader does.

    read_windows.py PROGRAM check      shows the main, the live recording and the trigger window and
                                       checks that the discovery state, the show lengths, the status, the
                                       playback time and position,
                                       the lists (also one without a selection), a slider and radio
                                       buttons can be read
    read_windows.py PROGRAM dump W...  prints what a screen reader finds in each window W (see PROGRAM)

PROGRAM is tests/a11y/a11y_windows. It runs under an X server with a session bus; every wait has a
deadline, so nothing hangs: a missing text fails the check once its deadline has passed.
"""
import os
import select
import subprocess
import sys
import time

import pyatspi

DEADLINE = 30.0  # seconds for anything to appear

# Roles that a user operates; each needs a name that says what it is (or, for a list, its selection).
OPERATED = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_TABLE, pyatspi.ROLE_LIST,
    pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX,
}


class Failure(Exception):
    pass


def wait_line(proc, prefix, deadline=DEADLINE):
    end = time.monotonic() + deadline
    while time.monotonic() < end:
        ready, _, _ = select.select([proc.stdout], [], [], end - time.monotonic())
        if not ready:
            break
        line = proc.stdout.readline()
        if not line:
            raise Failure('the program ended before "%s"' % prefix)
        if line.startswith(prefix):
            return line.strip()
    raise Failure('no "%s" within %.0f s' % (prefix, deadline))


def until(what, probe, deadline=DEADLINE):
    """Asks `probe` again (every 50 ms) until it gives something true; fails after the deadline."""
    end = time.monotonic() + deadline
    while True:
        try:
            result = probe()
        except Exception:  # the tree changes while it is read
            result = None
        if result:
            return result
        if time.monotonic() > end:
            raise Failure('%s: not readable within %.0f s' % (what, deadline))
        time.sleep(0.05)


def application():
    def probe():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == 'Zentri manager':
                return app
    return until('the application on the accessibility bus', probe)


def walk(acc, showing_only=True):
    """Every object below `acc` that is on the screen (all objects with showing_only false)."""
    stack = [acc]
    while stack:
        a = stack.pop()
        if a is None:
            continue
        if showing_only and a is not acc and not a.getState().contains(pyatspi.STATE_SHOWING):
            continue
        yield a
        count = a.childCount
        # A table's cells are many: the visible ones of the first rows are enough.
        if a.getRole() in (pyatspi.ROLE_TABLE,) and count > 40:
            count = 40
        stack.extend(reversed([a.getChildAtIndex(i) for i in range(count)]))


def window(app, title):
    def probe():
        for w in app:
            if w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING):
                return w
    return until('window "%s"' % title, probe)


def value_of(a):
    try:
        return a.queryValue().currentValue
    except NotImplementedError:
        return None


def text_of(a):
    try:
        t = a.queryText()
        return t.getText(0, -1)
    except NotImplementedError:
        return None


def describe(a, depth):
    st = a.getState()
    parts = ['  ' * depth + a.getRoleName(), 'name=%r' % a.name]
    if a.description:
        parts.append('description=%r' % a.description)
    text = text_of(a)
    if text is not None and a.getRole() != pyatspi.ROLE_LABEL:
        parts.append('text=%r' % text)
    value = value_of(a)
    if value is not None:
        parts.append('value=%g' % value)
    for state, word in ((pyatspi.STATE_CHECKED, 'checked'), (pyatspi.STATE_SELECTED, 'selected'),
                        (pyatspi.STATE_FOCUSED, 'focused')):
        if st.contains(state):
            parts.append(word)
    if not st.contains(pyatspi.STATE_ENABLED):
        parts.append('disabled')
    for rel in a.getRelationSet():
        if rel.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            parts.append('labelled-by=%r' % rel.getTarget(0).name)
    return ' '.join(parts)


def dump(win):
    def rec(a, depth):
        print(describe(a, depth))
        count = a.childCount
        if a.getRole() == pyatspi.ROLE_TABLE and count > 24:
            print('  ' * (depth + 1) + '(%d cells, the first 24:)' % count)
            count = 24
        for i in range(count):
            c = a.getChildAtIndex(i)
            if c is not None and c.getState().contains(pyatspi.STATE_SHOWING):
                rec(c, depth + 1)
    rec(win, 0)


def unnamed(win):
    """Operated controls on the screen with nothing to say what they are."""
    missing = []
    for a in walk(win):
        role = a.getRole()
        if role in OPERATED and not a.name and not a.description and not any(
                r.getRelationType() == pyatspi.RELATION_LABELLED_BY for r in a.getRelationSet()):
            if role == pyatspi.ROLE_TABLE or a.getRoleName() == 'table cell':
                continue
            missing.append(a.getRoleName())
    return missing


def label_named(win, description):
    for a in walk(win):
        if a.getRole() == pyatspi.ROLE_LABEL and a.description == description:
            return a
    return None


def expect_label(win, description, text):
    """The label that `description` says what it is shows `text`, and a screen reader reads it."""
    def probe():
        a = label_named(win, description)
        return a is not None and a.name == text
    try:
        until('label "%s" reading "%s"' % (description, text), probe)
    except Failure:
        a = label_named(win, description)
        raise Failure('label "%s": read %r, shown %r' % (description, a and a.name, text))


def selected_row(table):
    """The texts of the table's selected cells."""
    cells = (table.getChildAtIndex(i) for i in range(min(table.childCount, 200)))
    return [c.name for c in cells if c is not None and c.getState().contains(pyatspi.STATE_SELECTED)]


def check(proc, app):
    wait_line(proc, 'SHOWN main')
    main = window(app, 'Orvane Zentri')
    expect_label(main, 'Discovery state', 'Select device')
    grid = until('the device table', lambda: next(
        (a for a in walk(main) if a.getRole() == pyatspi.ROLE_TABLE and a.name == 'Devices found'), None))
    until('the current device row', lambda: 'Stage left' in selected_row(grid))
    missing = unnamed(main)
    if missing:
        raise Failure('main window: controls without a name: %s' % ', '.join(missing))
    print('main window: status "Select device", device row "Stage left" selected')

    proc.stdin.write('next\n')
    proc.stdin.flush()
    wait_line(proc, 'SHOWN live')
    live = window(app, 'Zentri Live Button Record')
    lengths = ['00:01:35', '01:01:11', '00:06:52', '00:00:00', '00:00:30', '00:00:00', '00:00:00', '00:00:00']
    for n, text in enumerate(lengths, 1):
        expect_label(live, 'Show %d length' % n, text)
    expect_label(live, 'Status', 'Incoming packets: 256')
    expect_label(live, 'Playback time', '00:02:37')
    bar = until('progress bar "Playback position"', lambda: next(
        (a for a in walk(live) if a.getRole() == pyatspi.ROLE_PROGRESS_BAR and a.name == 'Playback position'), None))
    value = bar.queryValue()
    if (value.currentValue, value.maximumValue) != (20480 * 157, 20480 * 412):
        raise Failure('progress bar "Playback position" reads %g of %g' % (value.currentValue, value.maximumValue))
    missing = unnamed(live)
    if missing:
        raise Failure('live recording window: controls without a name: %s' % ', '.join(missing))
    print('live recording window: eight show lengths, the status, the playback time and position read')

    proc.stdin.write('next\n')
    proc.stdin.flush()
    wait_line(proc, 'SHOWN trigger')
    trigger = window(app, 'Zentri input setup')

    def control(role, description=None, name=None):
        for a in walk(trigger):
            if a.getRole() == role and (description is None or a.description == description) and (
                    name is None or a.name == name):
                return a
    # A list reads its selected item; a list without a selection reads as empty.
    for description, text in (('Trigger 1 channel', '101'), ('Trigger 2 function', 'Play'),
                              ('Trigger 8 channel', '')):
        until('list "%s" reading %r' % (description, text),
              lambda: control(pyatspi.ROLE_COMBO_BOX, description, text) is not None)
    slider = until('slider "Trigger 2 volume"', lambda: control(pyatspi.ROLE_SLIDER, name='Trigger 2 volume'))
    if value_of(slider) != 50:
        raise Failure('slider "Trigger 2 volume" reads %r, shows 50' % value_of(slider))
    chosen = until('radio button', lambda: control(pyatspi.ROLE_RADIO_BUTTON, name='Trigger 2 plays after power on'))
    if not chosen.getState().contains(pyatspi.STATE_CHECKED):
        raise Failure('"Trigger 2 plays after power on" does not read as checked')
    other = control(pyatspi.ROLE_RADIO_BUTTON, name='Trigger 3 plays after power on')
    if other is None or other.getState().contains(pyatspi.STATE_CHECKED):
        raise Failure('"Trigger 3 plays after power on" does not read as unchecked')
    missing = unnamed(trigger)
    if missing:
        raise Failure('trigger window: controls without a name: %s' % ', '.join(missing))
    print('trigger window: lists, an empty list, a slider and the radio buttons read')


def main():
    if len(sys.argv) < 3 or sys.argv[2] not in ('check', 'dump'):
        print(__doc__, file=sys.stderr)
        return 2
    program, mode, windows = sys.argv[1], sys.argv[2], sys.argv[3:]
    if mode == 'check':
        windows = ['main', 'live', 'trigger']
    proc = subprocess.Popen([program] + windows, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    status = 0
    try:
        app = application()
        if mode == 'check':
            check(proc, app)
        else:
            for w in windows:
                shown = wait_line(proc, 'SHOWN %s' % w)
                top = until('a shown window', lambda: next(
                    (x for x in app if x is not None and x.getState().contains(pyatspi.STATE_SHOWING)), None))
                print('==== %s' % shown)
                dump(top)
                missing = unnamed(top)
                if missing:
                    print('!! without a name: %s' % ', '.join(missing))
                proc.stdin.write('next\n')
                proc.stdin.flush()
    except Failure as e:
        print('FAIL: %s' % e, file=sys.stderr)
        status = 1
    finally:
        try:
            proc.stdin.close()
        except BrokenPipeError:
            pass
        try:
            proc.wait(timeout=DEADLINE)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()
    return status


if __name__ == '__main__':
    sys.exit(main())
