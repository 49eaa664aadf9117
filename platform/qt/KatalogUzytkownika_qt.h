#pragma once
// The user's data folder as the system names it for this program
// (~/.local/share/Kartogram on Linux), handed to the folder service.

// Call after the application object exists.
void UstawKatalogUzytkownikaSystemowy();
