// The tool windows, as the application delegate sees them. They live in a higher layer, so main() hands the
// delegate an object that makes them; without one the commands that open them do nothing.
#pragma once

class QWidget;

class ToolWindows
{
public:
    virtual ~ToolWindows() = default;
    // Opens a new preferences window over the main window (its parent); one already open ends first, as its
    // Cancel would.
    virtual void showPreferences(QWidget *parent) = 0;
};
