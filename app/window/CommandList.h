// The window's commands and keys as data, one row each: what the context menu offers, what the
// keys do, and what F1's explanation and --help list. A new key is a row here and a slot named
// after its action in WindowActions.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <span>

struct Command {
    // The action's object name; WindowActions' slot on_<name>_triggered (or _toggled for a
    // checkable one) does the command. nullptr for keys that are only described, not actions.
    const char* name;
    // The menu entry, in English, marked for translation in the context "CommandList"; nullptr
    // for an action that has its key but no entry.
    const char* text;
    // The key as Qt writes it (QKeySequence::PortableText); keys only described may list several.
    const char* key;
    // What the key does, for the lists of keys.
    const char* help;
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
