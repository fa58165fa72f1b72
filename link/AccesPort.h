#pragma once

#include <QFileDevice>
#include <QSerialPort>
#include <QString>

// Why a logger's port could not be opened, as the user is told about it.
enum class RefusPort {
    Aucun,  // nothing to say (device gone, not a serial port, ...)
    Droits, // this user may not open the device node
    Occupe  // another program holds the port
};

// erreur: the port's error after a failed open; accesPermis: whether this user may
// read and write the device node. Qt reports both a node without permission and a
// port locked by another program as PermissionError; the node's rights tell them apart.
RefusPort ClasserRefus(QSerialPort::SerialPortError erreur, bool accesPermis);

// Device node of a port name: a path as given, else /dev/ + name.
QString NoeudPeripherique(const QString& port);
// Whether this user may read and write the port's device node.
bool AccesPeripherique(const QString& port);
// Group owning the port's device node (usually "dialout"), "" if unknown.
QString GroupePeripherique(const QString& port);

// The group that a user refused access to a device node should join: the node's
// group when that group may read and write the node (root:dialout 0660 gives
// "dialout"); "" when joining no group would help (root:root 0600, a group with
// read access only), and the user is then told that this account may not open the
// port and pointed to the program's udev rule.
QString GroupeConseille(const QString& groupe, QFileDevice::Permissions droits);
// The same for a port's device node (followed through symlinks); "" if unknown.
QString GroupeConseillePort(const QString& port);
