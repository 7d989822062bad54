#include "TimeGridAccessible.h"

#include "TimeGrid.h"

namespace {

QAccessibleInterface *GridAccessibleFactory(const QString &className, QObject *object) {
    if (className == QLatin1String("TTimeGrid") && object && object->isWidgetType())
        return new TTimeGridAccessible(static_cast<TTimeGrid *>(object));
    return nullptr;
}

} // namespace

TTimeGridAccessible::TTimeGridAccessible(TTimeGrid *grid)
    : QAccessibleWidget(grid, QAccessible::Grouping) {}

TTimeGrid *TTimeGridAccessible::Grid() const {
    return static_cast<TTimeGrid *>(widget());
}

QAccessibleInterface *TTimeGridAccessible::focusChild() const {
    if (QWidget *key = Grid()->CursorControl())
        return QAccessible::queryAccessibleInterface(key);
    return QAccessibleWidget::focusChild();
}

void InstallGridAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(GridAccessibleFactory);
        return true;
    }();
    (void)installed;
}
