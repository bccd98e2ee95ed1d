#pragma once

#include "app/LazyWindow.h"

class QWidget;
class TForm1;
class TForm2;
class TForm4;
class TForm5;
class TFormK;
class TFormN;
class TFormR;
class TFormST;
class TFormWT;

// The program's windows, in the order of the design, the cycle statistics
// after the temperature chart and the backup copies after the note pads. The
// main window, the note pads and the splash exist from start-up on; the
// others are built the first time they are used. A window that only gets
// shown is held as a plain QWidget.
struct Forms {
    TForm1 *Form1 = nullptr; // main window
    WindowRef<TForm2> Form2; // fertile-day chart
    WindowRef<QWidget> FormA; // about box
    WindowRef<QWidget> FormL; // licence
    WindowRef<QWidget> Form3; // help
    WindowRef<QWidget> FormLD; // day counter
    WindowRef<TForm4> Form4; // temperature entry
    WindowRef<TFormR> FormR; // summary report, never shown itself
    WindowRef<TFormWT> FormWT; // temperature chart
    WindowRef<TFormST> FormST; // cycle statistics
    TFormN *FormN = nullptr; // note pads
    WindowRef<TFormK> FormK; // backup copies, to bring one back
    TForm5 *Form5 = nullptr; // splash
};
