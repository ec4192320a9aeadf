#pragma once
// The toolkit's own texts (the entries of a field's context menu, the buttons
// of its standard dialogs) in Italian, as the rest of the interface is,
// whatever language the user's desktop speaks.

// Installs the toolkit's Italian translations; false when they are not on the
// machine (the texts then stay as the toolkit writes them).
bool InstallItalianToolkitTexts();
