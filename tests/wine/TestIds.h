#pragma once
#define IDD_TEST_PLAIN 900
