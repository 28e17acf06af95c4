#pragma once
// Catalogue operations report with the system's one result type; a catalogue
// error names the file and, where there is one, the line.

#include "base/resultado.hpp"

namespace rumbal {

using ErrorCatalogo = Error;

}  // namespace rumbal
