#pragma once

#include <QAccessibleWidget>

class TTimeGrid;

// What a screen reader sees of the scanning grid: a named group of keys whose focused child is
// the key under the scan cursor, so that the cursor reads like a moving focus.
class TTimeGridAccessible : public QAccessibleWidget {
public:
    explicit TTimeGridAccessible(TTimeGrid *grid);

    QAccessibleInterface *focusChild() const override;

private:
    TTimeGrid *Grid() const;
};

// Registers the interface for every TTimeGrid; safe to call repeatedly.
void InstallGridAccessibility();
