#pragma once

// A view that takes commands before the main frame does while it is the active view.
class CCommandTarget
{
public:
    virtual ~CCommandTarget() = default;
    // True when the view keeps an enable flag for id; enabled is then set to it.
    virtual bool CommandEnabled(int id, bool& enabled) const = 0;
    // True when the view handled the command.
    virtual bool OnCommand(int id) = 0;
};
