#pragma once
// The one reader of CSV lines: the log the program writes and the lists other
// programs write.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The fields of one line. A quote opens and closes a quoted run in which the
// separator is text and a doubled quote is one quote.
//   streng  true (the program's own files): a quote left open makes the line
//           unreadable (nullopt), and nothing is trimmed;
//           false (files of other programs): blanks before a field's opening
//           quote are skipped, an open quote runs to the end of the line, and
//           every field is trimmed of blanks.
std::optional<std::vector<std::string>> Csv_Felder(std::string_view zeile, char trenner,
                                                   bool streng);
