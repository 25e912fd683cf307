#!/usr/bin/python3
"""A screen reader's user configures a device and records a show, by accessibility actions alone.

    by_actions.py PROGRAM EMULATOR

PROGRAM is tests/a11y/a11y_manager, EMULATOR zentri-emulator; two emulated devices answer on
127.0.0.2 and 127.0.0.3. Through AT-SPI only (actions and values, no input events): "Find devices",
the second row of the device table chosen by its action, "Outputs setup", output 1's channel set,
"Save & Close", and the "!SETI" must reach that device and no other. Then "Live record", SHOW 2,
RECORD and RECORD again (the confirmation is the second press): the device waits for Art-Net, an
Art-Net stream reaches it, STOP, and the device reports show 2 recorded, which the window then reads.
Every wait has a deadline; nothing waits a fixed time.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from read_windows import Failure, application, until, wait_line, walk, window, label_named  # noqa: E402

DEADLINE = 30.0
NEW_CHANNEL = 100


class Log:
    """The emulator's lines, one per datagram; read as they come."""

    def __init__(self, path):
        self.path = path

    def lines(self):
        with open(self.path, encoding='utf-8', errors='replace') as f:
            return f.read().splitlines()

    def wait(self, what, pattern, deadline=DEADLINE):
        regex = re.compile(pattern)
        try:
            return until(what, lambda: next((l for l in self.lines() if regex.search(l)), None), deadline)
        except Failure:
            raise Failure('%s: the emulator did not log /%s/; its log:\n%s' %
                          (what, pattern, '\n'.join(self.lines()[-30:])))


def act(acc, *names):
    """Does the first of the actions `names` that `acc` offers."""
    action = acc.queryAction()
    offered = [action.getName(i) for i in range(action.nActions)]
    for name in names:
        for i, n in enumerate(offered):
            if n.lower() == name.lower():
                if not action.doAction(i):
                    raise Failure('"%s": action %s refused' % (acc.name, n))
                return
    raise Failure('"%s" offers no action %s (only %s)' % (acc.name, '/'.join(names), ', '.join(offered)))


def find(win, what, test):
    return until(what, lambda: next((a for a in walk(win) if test(a)), None))


def button(win, name):
    return find(win, 'button "%s"' % name,
                lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name == name and
                a.getState().contains(pyatspi.STATE_ENABLED))


def closed(app, title):
    until('window "%s" closed' % title, lambda: not any(
        w is not None and w.name == title and w.getState().contains(pyatspi.STATE_SHOWING) for w in app))


def configure(app, log):
    main = window(app, 'Orvane Zentri')
    act(button(main, 'Find devices'), 'Press')
    grid = find(main, 'the device table',
                lambda a: a.getRole() == pyatspi.ROLE_TABLE and a.name == 'Devices found')
    table = grid.queryTable()
    until('two devices listed', lambda: table.nRows == 2)
    ip_column = next(c for c in range(table.nColumns) if table.getColumnDescription(c) == 'IP' or
                     table.getColumnHeader(c).name == 'IP')
    chosen = table.getAccessibleAt(1, ip_column).name
    other = table.getAccessibleAt(0, ip_column).name
    print('device table: %s, %s; choosing the second row, %s' % (other, chosen, chosen))
    act(table.getAccessibleAt(1, 0), 'Toggle', 'Press')
    act(button(main, 'Outputs setup'), 'Press')

    setup = window(app, 'Zentri output setup')
    channel = find(setup, 'list "Output 1 channel"',
                   lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX and a.description == 'Output 1 channel')
    value = channel.queryValue()
    value.currentValue = NEW_CHANNEL
    until('list "Output 1 channel" reading %d' % NEW_CHANNEL, lambda: channel.name == str(NEW_CHANNEL))
    before = len([l for l in log.lines() if 'SETI' in l])
    act(button(setup, 'Save & Close'), 'Press')
    closed(app, 'Zentri output setup')
    line = log.wait('"!SETI" at %s' % chosen, r'^%s <- \S+ !SETI ' % re.escape(chosen))
    seti = [l for l in log.lines() if 'SETI' in l]
    if len(seti) != before + 1 or any(l.startswith(other + ' ') for l in seti):
        raise Failure('"!SETI" reached more than the chosen device:\n%s' % '\n'.join(seti))
    print('output setup: output 1 channel %d saved; %s' % (NEW_CHANNEL, line))
    return main, chosen


def choose_again(main, device):
    """Back in the main window the device controls are off until a row is chosen again: chooses the
    row of `device` by its action."""
    def disabled():
        return next((a for a in walk(main) if a.getRole() == pyatspi.ROLE_PUSH_BUTTON and
                     a.name == 'Live record' and not a.getState().contains(pyatspi.STATE_ENABLED)), None)
    until('the device controls off after the setup window', disabled)
    grid = find(main, 'the device table',
                lambda a: a.getRole() == pyatspi.ROLE_TABLE and a.name == 'Devices found')
    table = grid.queryTable()
    row = next(r for r in range(table.nRows) for c in range(table.nColumns)
               if table.getAccessibleAt(r, c).name == device)
    act(table.getAccessibleAt(row, 0), 'Toggle', 'Press')


def record(app, log, main, device, emulator):
    choose_again(main, device)
    act(button(main, 'Live record'), 'Press')
    live = window(app, 'Zentri Live Button Record')
    until('show 2 read as empty', lambda: (label_named(live, 'Show 2 length') or main).name == '00:00:00')
    act(button(live, 'SHOW 2'), 'Press')
    log.wait('show 2 selected', r'^%s <- .*show 2 selected' % re.escape(device))
    record_button = button(live, 'RECORD')
    act(record_button, 'Press')
    until('RECORD asking for confirmation', lambda: record_button.name.startswith('CONFIRM RECORD'))
    act(record_button, 'Press')
    log.wait('the device waiting to record show 2',
             r'^%s <- .*RECENA .*show 2 waits for the first Art-Net packet' % re.escape(device))
    stream = subprocess.run([emulator, '--send-artnet', device, '--frames', '60', '--fps', '40'],
                            stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT, timeout=DEADLINE)
    if stream.returncode != 0:
        raise Failure('the Art-Net stream could not be sent')
    log.wait('the device recording show 2', r'%s records show 2' % re.escape(device))
    act(button(live, 'STOP'), 'Press')
    line = log.wait('show 2 recorded', r'^%s <- .*show 2 recorded: [1-9]\d* packets' % re.escape(device))
    until('show 2 read as recorded', lambda: label_named(live, 'Show 2 length').name not in ('', '00:00:00'))
    print('live recording: show 2 recorded; %s; the window reads its length %s' %
          (line, label_named(live, 'Show 2 length').name))


def main():
    if len(sys.argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    program, emulator = sys.argv[1:]
    work = tempfile.mkdtemp(prefix='zentri-actions.')
    log = Log(os.path.join(work, 'emulator.log'))
    devices = subprocess.Popen([emulator, '--devices', '2', '--address', '127.0.0.2', '--shows', '1:10'],
                               stdout=open(log.path, 'w'), stderr=subprocess.STDOUT)
    proc = None
    status = 0
    try:
        log.wait('the emulator listening', r'listening on')
        proc = subprocess.Popen([program], stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, text=True)
        wait_line(proc, 'READY')
        app = application()
        main_window, device = configure(app, log)
        record(app, log, main_window, device, emulator)
    except Failure as e:
        print('FAIL: %s' % e, file=sys.stderr)
        status = 1
    finally:
        for p in (proc, devices):
            if p is not None:
                p.terminate()
                try:
                    p.wait(timeout=DEADLINE)
                except subprocess.TimeoutExpired:
                    p.kill()
                    p.wait()
    return status


if __name__ == '__main__':
    sys.exit(main())
