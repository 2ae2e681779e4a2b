#pragma once
// The application object of trenvika: reads the command line into the
// converter dialog and runs it; the program ends when the dialog closes.
#include "framework/app.h"

class CConverterApp : public CApplication {
public:
    bool InitInstance() override;
};
