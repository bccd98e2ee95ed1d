#pragma once

#include "app/InfoWindow.h"

// The help window "O programie": what the program does and how to work with it.
class TForm3 : public InfoTextWindow {
    Q_OBJECT

public:
    TForm3();
};
