#!/usr/bin/env bash
# TODO (not registered with CTest): My PCs had not landed when the scan's
# window did. Once it has, this test opens Quorvane.exe in the namespaces of
# findpcs_netns_test.sh, opens My PCs, presses "Find PCs..." (id 1066), waits
# for the scan (status 1074 says it is done), selects every row of list 1070,
# presses "Add to My PCs" (1071), and checks that the list file under
# %APPDATA%\Quorvane holds the 40 devices (name, else address; MAC; address),
# written at once, and that the two named ones carry their names.
# findpcs_netns_test.sh already checks the same rows handed to a test list.
echo "TODO: needs My PCs"
exit 1
