#pragma once

#include <QWidget>

// "Notatnik": three independent rich-text note pads, each kept in its own
// file, Notatki1.txt to Notatki3.txt.
class TFormN : public QWidget {
    Q_OBJECT

public:
    TFormN();
};
