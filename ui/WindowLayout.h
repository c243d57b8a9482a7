#pragma once

#include <QRect>
#include <QStringList>
#include <QStringView>

namespace plakmund {

// The pixel rectangle of a control, or of member index of a control array,
// relative to its container; "frmMain" gives the window's client area.
QRect ControlRect(QStringView name, int index = 0);

// "name_index": the object name of a control array member.
QString MemberName(QStringView name, int index);

// The window's direct children, the frontmost first, where they overlap.
QStringList FrontToBackOrder();

// Every control in the order the Tab key visits them.
QStringList TabOrder();

} // namespace plakmund
