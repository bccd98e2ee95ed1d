#pragma once

#include <QDate>

class QWidget;
class TTextDataSet;

// The rules of the period entries in the record set over Daty.txt.

// Saves `firstDay` as a new entry above all others, whatever its date, and
// makes it current; the sentinel line thus stays last.
void saveEntry(TTextDataSet &entries, QDate firstDay);

// Deletes the current entry once the user confirms it in a question over
// `parent`. The sentinel line is never deleted and nothing is asked for it.
void deleteCurrentEntry(TTextDataSet &entries, QWidget *parent);
