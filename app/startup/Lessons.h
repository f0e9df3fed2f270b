// The prepared lessons: six setup files built into the program (and installed for teachers to
// copy), each with its title in the Lessons menu and the question it asks the class when it
// opens. The question is written in its file in English and shown in the user's language.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <span>

struct Lesson {
    const char* file;     // under :/lessons/
    const char* title;    // context "Lessons"
    const char* question; // context "Lessons"; the same text as the file's question key
};

class Lessons {
    Q_DECLARE_TR_FUNCTIONS(Lessons)

public:
    static std::span<const Lesson> all();
    // Where the program reads the lesson.
    static QString path(const Lesson& lesson);
    static QString title(const Lesson& lesson) { return tr(lesson.title); }
    // A setup's question in the user's language: a lesson's translated, a teacher's own as
    // written.
    static QString question(const QString& written);
};
