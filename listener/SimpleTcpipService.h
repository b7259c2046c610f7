#pragma once
// Whether Windows' "Simple TCP/IP Services" run on this PC, asked of the
// service manager with the least access (connect, query status), which every
// user has. advapi32's service functions are looked up when first asked.
bool IsSimpleTcpipRunning();
