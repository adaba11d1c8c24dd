// The viewer's one application object; the framework's WinMain runs it.
#include "app/dico_app.h"

CDicoApp theApp;
