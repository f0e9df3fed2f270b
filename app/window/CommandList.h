// The window's commands and keys as data, one row each: what the context menu offers, what the
// keys do, and what F1's explanation and --help list. A new key is a row here and the function of
// WindowActions that does it.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <span>

class WindowActions;

struct Command {
    // The action's object name; nullptr for keys that are only described, not actions.
    const char* name;
    // The menu entry, in English, marked for translation in the context "CommandList"; nullptr
    // for an action that has its key but no entry.
    const char* text;
    // The key as Qt writes it (QKeySequence::PortableText); several are separated by ", ".
    const char* key;
    // What the key does, for the lists of keys.
    const char* help;
    // The function of WindowActions that does the command, given the action's check after the
    // click; nullptr for keys that are only described.
    void (WindowActions::*handler)(bool checked) = nullptr;
    bool checkable = false;
    bool startsGroup = false; // a separator before it in the menu
};

class CommandList {
    Q_DECLARE_TR_FUNCTIONS(CommandList)

public:
    static std::span<const Command> all();
    // The key and its help in the user's language.
    static QString key(const Command& command);
    static QString help(const Command& command);
    static QString text(const Command& command);
};
