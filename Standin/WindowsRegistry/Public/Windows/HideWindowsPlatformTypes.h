// Closes the section opened by AllowWindowsPlatformTypes.h (nothing to undo in the stand-in).
