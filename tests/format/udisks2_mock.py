'''A small udisks2 for the tests, as a python-dbusmock template.

Parameters (JSON): {"devices": [{"path": DEVICE, "image": FILE, "mounted": BOOL,
"unmount_error": TEXT}]}. ResolveDevice finds a device by its path; Unmount clears
its "mounted" state (or fails with unmount_error); OpenDevice refuses a mounted
device, as the kernel's exclusive open does, and otherwise hands out a descriptor
of the device's image file.
'''

import os

import dbus
from dbusmock.mockobject import get_object

BUS_NAME = 'org.freedesktop.UDisks2'
MAIN_OBJ = '/org/freedesktop/UDisks2'
MAIN_IFACE = 'org.freedesktop.UDisks2'
SYSTEM_BUS = True

MANAGER_IFACE = 'org.freedesktop.UDisks2.Manager'
BLOCK_IFACE = 'org.freedesktop.UDisks2.Block'
FILESYSTEM_IFACE = 'org.freedesktop.UDisks2.Filesystem'


def _failure(name, text):
    return dbus.exceptions.DBusException(text, name='org.freedesktop.UDisks2.Error.' + name)


def load(mock, parameters):
    objects = {}
    for number, device in enumerate(parameters.get('devices', [])):
        object_path = f'/org/freedesktop/UDisks2/block_devices/card{number}'
        objects[device['path']] = object_path
        state = {'mounted': device.get('mounted', False)}

        def unmount(self, options, device=device, state=state):
            if device.get('unmount_error'):
                raise _failure('Failed', device['unmount_error'])
            state['mounted'] = False

        def open_device(self, mode, options, device=device, state=state):
            if state['mounted']:
                raise _failure('DeviceBusy', device['path'] + ' is mounted')
            flags = os.O_RDWR if mode == 'rw' else os.O_RDONLY
            fd = os.open(device['image'], flags | os.O_CLOEXEC)
            passed = dbus.types.UnixFd(fd)
            os.close(fd)
            return passed

        mock.AddObject(object_path, BLOCK_IFACE,
                       {'Device': dbus.ByteArray(device['path'].encode() + b'\0')},
                       [('OpenDevice', 'sa{sv}', 'h', open_device)])
        get_object(object_path).AddMethods(FILESYSTEM_IFACE, [('Unmount', 'a{sv}', '', unmount)])

    def resolve(self, wanted, options):
        path = str(wanted.get('path', ''))
        return dbus.Array([dbus.ObjectPath(objects[path])] if path in objects else [],
                          signature='o')

    mock.AddObject('/org/freedesktop/UDisks2/Manager', MANAGER_IFACE, {},
                   [('ResolveDevice', 'a{sv}a{sv}', 'ao', resolve)])
