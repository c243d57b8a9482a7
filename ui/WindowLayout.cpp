#include "WindowLayout.h"

#include <QtGlobal>

#include <algorithm>
#include <iterator>

namespace plakmund {

namespace {

// Where a control sits, in twips, relative to its container. The members of a
// control array lie rowStep twips below one another.
struct ControlPlacement {
    QStringView name;
    int left;
    int top;
    int width;
    int height;
    int rowStep = 0;
};

constexpr ControlPlacement Placements[] = {
    {u"frmMain", 0, 0, 8160, 7200},
    {u"cmdLoadCRT", 120, 120, 615, 375, 360},
    {u"txtCRTName", 720, 120, 2745, 405, 360},
    {u"picStatus", 3480, 210, 240, 240, 360},
    {u"Frame2", 3960, 50, 4095, 855},
    {u"Label2", 120, 120, 3615, 735},
    {u"Picture1", 3960, 1005, 4065, 5685},
    {u"Frame1", 120, 6000, 7965, 1095},
    {u"cmdLoadPLK", 1440, 240, 975, 735},
    {u"Command1", 2520, 240, 975, 735},
    {u"Command2", 3600, 240, 975, 735},
    {u"Command6", 4680, 240, 975, 735},
    {u"Command3", 5760, 240, 975, 735},
    {u"Command5", 6840, 240, 975, 735},
    {u"Command4", 360, 240, 650, 300},
    {u"Command7", 120, 600, 615, 300},
    {u"Command8", 840, 6600, 615, 300},
};

constexpr double TwipsPerPixel = 15.0;

int pixels(int twips)
{
    return qRound(twips / TwipsPerPixel);
}

// The members first to last of a control array, counting up or down.
QStringList members(QStringView name, int first, int last)
{
    QStringList names;
    const int step = first <= last ? 1 : -1;
    for (int i = first; i != last + step; i += step)
        names << memberName(name, i);
    return names;
}

} // namespace

QRect controlRect(QStringView name, int index)
{
    const auto placement = std::find_if(std::begin(Placements), std::end(Placements),
                                        [name](const ControlPlacement &p) { return p.name == name; });
    Q_ASSERT(placement != std::end(Placements));
    return {pixels(placement->left), pixels(placement->top + placement->rowStep * index),
            pixels(placement->width), pixels(placement->height)};
}

QString memberName(QStringView name, int index)
{
    return QStringLiteral("%1_%2").arg(name).arg(index);
}

QStringList frontToBackOrder()
{
    return members(u"cmdLoadCRT", 15, 1) + QStringList{QStringLiteral("Frame2")} + members(u"picStatus", 15, 0)
        + QStringList{QStringLiteral("Command8"), QStringLiteral("Frame1"), QStringLiteral("Picture1")}
        + members(u"txtCRTName", 15, 0) + QStringList{memberName(u"cmdLoadCRT", 0)};
}

QStringList tabOrder()
{
    return QStringList{memberName(u"cmdLoadCRT", 0), QStringLiteral("cmdLoadPLK"), QStringLiteral("Command1"),
                       QStringLiteral("Command2"), QStringLiteral("Command6"), QStringLiteral("Command5")}
        + members(u"txtCRTName", 0, 15)
        + QStringList{QStringLiteral("Command7"), QStringLiteral("Command8"), QStringLiteral("Command3")}
        + members(u"cmdLoadCRT", 1, 15) + QStringList{QStringLiteral("Command4")};
}

} // namespace plakmund
