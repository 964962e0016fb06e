#pragma once
// stelux-cli's observing-list and log commands.
#include <ostream>

struct Cli_Argumente;
class Sitzung;

// --liste: the ordered list, one TAB-separated line per entry. 0 read, 2 unreadable.
int Cli_Liste(const Cli_Argumente& arg, Sitzung& sitzung, std::ostream& aus, std::ostream& fehler);

// --notieren after a successful lookup: the entry into the log. 0 written.
int Cli_Notieren(const Cli_Argumente& arg, Sitzung& sitzung, std::ostream& fehler);

// --buch-export: the log as OAL 2.1 (.xml) or CSV (.csv). 0 written, 2 error.
int Cli_Buch_Export(const Cli_Argumente& arg, Sitzung& sitzung, std::ostream& fehler);
