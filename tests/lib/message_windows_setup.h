// The program's set-up that many window tests share: the shipped language
// files and the three message windows as the frame window makes them.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <utility>

#include "lib/meldung.h"
#include "lib/sprache.h"

// Reads the language table from a directory of language files (the source
// tree's lang/ unless given) and makes the three message windows.
inline void OpenMessageWindows(const std::string& language, std::string directory = MDX_SOURCE_DIR "/lang/")
{
    gcPfadSprache = std::move(directory);
    std::replace(gcPfadSprache.begin(), gcPfadSprache.end(), '/', '\\');
    SprachenLaden();
    gcSprache = language;
    goFehler = std::make_unique<DlgFehler>();
    goErfolg = std::make_unique<DlgErfolg>();
    goHinweis = std::make_unique<DlgHinweis>();
}

// Ends and releases the three message windows.
inline void CloseMessageWindows()
{
    goFehler->EndDialog();
    goErfolg->EndDialog();
    goHinweis->EndDialog();
    goFehler.reset();
    goErfolg.reset();
    goHinweis.reset();
}
