#pragma once

class QWidget;
class TForm1;
class TForm2;
class TForm4;
class TForm5;
class TFormN;
class TFormR;
class TFormWT;

// The program's windows, in the order they are created at start-up. A window
// that only gets shown is held as a plain QWidget; a null one is not built.
struct Forms {
    TForm1 *Form1 = nullptr; // main window
    TForm2 *Form2 = nullptr; // fertile-day chart
    QWidget *FormA = nullptr; // about box
    QWidget *FormL = nullptr; // licence
    QWidget *Form3 = nullptr; // help
    QWidget *FormLD = nullptr; // day counter
    TForm4 *Form4 = nullptr; // temperature entry
    TFormR *FormR = nullptr; // summary report, never shown itself
    TFormWT *FormWT = nullptr; // temperature chart
    TFormN *FormN = nullptr; // note pads
    TForm5 *Form5 = nullptr; // splash
};
