#include "app/stelux_unit_main.hpp"

TForm_Main::TForm_Main() { setWindowTitle("Stelux"); }
