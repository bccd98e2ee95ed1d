#pragma once

#include "app/InfoWindow.h"

// The licence window "Licencja": the terms under which the program is distributed.
class TFormL : public InfoTextWindow {
    Q_OBJECT

public:
    TFormL();
};
