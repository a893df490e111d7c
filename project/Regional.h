#pragma once

#include <string_view>

namespace sulvo {

// The decimal separator of the user's regional settings as the environment names them: the
// first of LC_ALL, LC_NUMERIC and LANG that is set ("pt_BR.UTF-8" gives ","); "." when none
// is set or the locale is C or POSIX. The same variables the window's toolkit consults.
char SeparadorDecimalDoAmbiente();

// The separator of this run of sulvo-calc: SeparadorDecimalDoAmbiente() as it was at its first call, so that every
// number one run writes (JSON, tables, reports, the rewritten project) has the same separator.
char SeparadorDecimalDaExecucao();

// The separator of one locale name ("pt_BR", "de_DE.UTF-8", "en_US@euro").
char SeparadorDecimalDoLocale(std::string_view nome);

} // namespace sulvo
