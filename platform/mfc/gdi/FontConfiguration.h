// The font configuration the text engine starts fontconfig with. The system's configuration is
// some forty rule files, read at every start and each rule tried at every font match; the platform
// names its families itself (GdiText.cpp), so of those rules it keeps only the ones that decide how
// its fonts are chosen and drawn. The fonts and their caches are the system's own.
#pragma once

namespace qelt::gdi {

// The configuration, as fontconfig's XML.
const char* OwnFontConfiguration();

// Makes that configuration fontconfig's current one, once, before pango first asks for a font.
// A configuration named in the environment (FONTCONFIG_FILE, FONTCONFIG_PATH) is left to rule, and
// should ours not load, fontconfig starts with the system's.
void UseOwnFontConfiguration();

}  // namespace qelt::gdi
