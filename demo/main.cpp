// OrvoControlsDemo: shows the library's controls on one fixed-size form and
// lets the user change them live from two property pages.
#include "Unit1.h"
#include "host/framework/Forms.h"

using namespace Orvo;

int main(int argc, char** argv) {
    Application->Initialize(argc, argv);
    Application->CreateForm(Form1);
    Application->Run();
    return 0;
}
