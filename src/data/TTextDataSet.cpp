#include "data/TTextDataSet.h"
