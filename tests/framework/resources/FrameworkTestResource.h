// Ids of the small pages of the framework's tests.
#pragma once

#define IDD_TEST_SIZE 9001
#define IDD_TEST_LOAD 9002
#define IDD_TEST_RESULT 9003

#define IDC_TEST_WIDTH 9101
#define IDC_TEST_HEIGHT 9102
#define IDC_TEST_NUMBER 9103
#define IDC_TEST_DISABLED 9104
#define IDC_TEST_HIDDEN 9105
#define IDC_TEST_LOAD 9106
#define IDC_TEST_MOMENT 9107
#define IDC_TEST_PROBE 9108
