#pragma once

namespace plakmund {

// Installs the program's texts in the user's language, the first of the locale's
// languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG) it is translated into, and Qt's
// own in the same one. Where there is none, as under English or C, the texts stay
// as written and Qt's too.
void installTranslations();

} // namespace plakmund
