#include <QApplication>

#include "ErrorBox.h"
#include "TkestForm.h"

// The program always exits with 0: an error at start-up is shown, then the program ends.
int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    kest::Garde([] {
        kest::TkestForm kestForm;
        kestForm.CreerOptionsDlg();
        kestForm.show();
        QApplication::exec();
    });
    return 0;
}
