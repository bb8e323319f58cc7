#pragma once

class NetworkDocument;
class QWidget;

// Edit -> Lesson Notes...: the lesson's title and notes in a small dialog;
// what is accepted becomes one edit of the document.
void editLessonNotes(NetworkDocument *document, QWidget *parent);
