#pragma once

// Derives what the request leaves out from its filter text, pairs of description and pattern
// each followed by "|", as in 'Text files (*.txt)|*.txt|All files (*.*)|*.*||'. Any bytes
// are safe: nothing is read past the end of the texts.

// The longest default extension, without its dot.
constexpr int kMaxDefaultExtension = 3;

// Stores in szDefExt the extension named first in pszFilter: up to three characters after
// the first "*.", ending early at a character that cannot belong to an extension (so
// '(*.au)' gives 'au' and '(*.*)' gives none). Empty when pszFilter has no "*.".
void ComputeDefaultExtension(const char* pszFilter, char (&szDefExt)[kMaxDefaultExtension + 1]);

// The 1-based number of the first filter whose pattern field begins with pszInitialName
// (compared case-sensitively over the length of the name). 1 when no pattern agrees, and when
// the text does not alternate between descriptions and patterns that each hold a "*.".
unsigned long ComputeFilterIndex(const char* pszFilter, const char* pszInitialName);
