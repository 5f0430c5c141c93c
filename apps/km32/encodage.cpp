// Conversion of files and terminal text between UTF-8 and Windows-1252 for the command-line host.
