#pragma once

#include <QString>
#include <QVector>

namespace swted {

struct OptionsDocument;
class SwitchStore;

// The testing aid for people who maintain the editor: the options file as
// it was read beside the file as the editor lays it out from the current
// switch values.
struct TestListing {
    QString OpSw;     // the lines as read, in file order
    QString FileText; // lead, head, switch table from the values, trailer; indented by four blanks
};

// Lines end with CR LF, the last one too. The store and the document are
// only read. A table whose switches per line do not divide 140 lists
// no switch past 140: its last line holds the values that remain, and its
// tail follows them after two blanks. A table that stops short of 140 (six
// a line make 23 lines) lists the switches its lines hold, as the file does.
TestListing BuildTestListing(const OptionsDocument &doc, const SwitchStore &store);

// The tool is on when OSTESTING equals "YES", without regard to case.
bool TestingToolOn(const QString &environmentValue);
bool TestingToolOn();

// A font the printer offers.
struct FontFamily {
    QString name;
    bool fixedPitch = false;
};

// The font of a printout: the first whose name begins with "Courier" (in
// that case), else the first fixed-pitch font, so that the columns of a
// listing stay aligned, else the first font. Empty when there is none.
QString ChoosePrinterFont(const QVector<FontFamily> &fonts);

} // namespace swted
