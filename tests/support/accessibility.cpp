#include "support/accessibility.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QWidget>

namespace gallerion::test {

namespace {

// Roles that only lay out other objects or are announced by their parent; a name on them
// would be noise. Grouping panels are not among them: they must say what they group.
bool needsNoName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Client:
    case QAccessible::Pane:
    case QAccessible::Separator:
    case QAccessible::ScrollBar:
    case QAccessible::Row:
    case QAccessible::Cell:
    case QAccessible::ListItem:
    case QAccessible::MenuItem:
    case QAccessible::StaticText:
    case QAccessible::EditableText:
    case QAccessible::NoRole:
        return true;
    default:
        return false;
    }
}

QString describe(QAccessibleInterface *object)
{
    const QObject *target = object->object();
    const QString name = target ? target->objectName() : QString();
    const QString type =
        target ? QString::fromLatin1(target->metaObject()->className()) : QStringLiteral("?");
    return QStringLiteral("%1 %2 (%3)")
        .arg(QString::fromLatin1(qAccessibleRoleString(object->role())),
             name.isEmpty() ? QStringLiteral("-") : name, type);
}

void collect(QAccessibleInterface *object, QStringList &unnamed, int depth)
{
    if (!object || !object->isValid() || depth > 64)
        return;
    if (object->state().invisible || object->state().offscreen)
        return;
    // The window itself is always announced, whatever its role.
    const bool announced = depth == 0 || !needsNoName(object->role());
    if (announced && object->text(QAccessible::Name).trimmed().isEmpty())
        unnamed.append(describe(object));
    for (int i = 0; i < object->childCount(); ++i)
        collect(object->child(i), unnamed, depth + 1);
}

} // namespace

QStringList unnamedAccessibleObjects(QWidget *window)
{
    QStringList unnamed;
    collect(QAccessible::queryAccessibleInterface(window), unnamed, 0);
    return unnamed;
}

} // namespace gallerion::test
