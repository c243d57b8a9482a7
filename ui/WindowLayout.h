#pragma once

#include <QRect>
#include <QStringList>
#include <QStringView>

namespace plakmund {

// The pixel rectangle of a control, or of member index of a control array,
// relative to its container; "frmMain" gives the window's client area.
QRect controlRect(QStringView name, int index = 0);

// "name_index": the object name of a control array member.
QString memberName(QStringView name, int index);

// The window's direct children, the frontmost first, where they overlap.
QStringList frontToBackOrder();

// The controls that take the focus, in the order the Tab key visits them; the
// pictures, frames and the title between them take none.
QStringList tabOrder();

} // namespace plakmund
