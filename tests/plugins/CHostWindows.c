/* A host written in C that runs no Qt application of its own: it opens the
 * report manager on the demo catalogue in the folder named by its argument, lets the component
 * handle the window's events, closes it and releases the object. Exits with
 * 0 when everything behaved, else prints what did not. */
#include "component/KelvoComponentApi.h"

#include <stdio.h>

static int failures = 0;

static void check(int condition, const char* what)
{
    if (!condition) {
        fprintf(stderr, "C host: %s (last error %d: %s)\n", what, kelvo_last_error_number(), kelvo_last_error_text());
        ++failures;
    }
}

int main(int argc, char** argv)
{
    int round;
    KelvoObject* gen;
    char connection[4096];
    if (argc != 2) {
        fprintf(stderr, "usage: %s DEMO-FOLDER\n", argv[0]);
        return 2;
    }
    snprintf(connection, sizeof connection, "Provider=SQLite;Data Source=%s;Initial Catalog=KelvoDemo", argv[1]);
    check(kelvo_open_windows() == 0, "no window before the first call");
    check(kelvo_run_event_loop() == 0, "the loop returns at once without windows");

    gen = kelvo_create("KelvoReportGenerator.KelvoReportGenCls");
    check(gen != NULL, "create KelvoReportGenCls");
    if (!gen)
        return 1;
    check(kelvo_put_text(gen, "OleConnectionString", connection) == 0, "put OleConnectionString");
    check(kelvo_put_integer(gen, "UserID", 1) == 0, "put UserID");
    check(kelvo_put_integer(gen, "PositionID", 1) == 0, "put PositionID");
    check(kelvo_put_integer(gen, "EmployeeID", 1) == 0, "put EmployeeID");

    /* The demo's manager is modeless: the call returns with the window open. */
    check(kelvo_call(gen, "ClearShow", NULL, 0, NULL) == 0, "ClearShow opens the manager");
    check(kelvo_open_windows() == 1, "the manager is open");
    for (round = 0; round < 20; ++round)
        kelvo_process_events();
    check(kelvo_open_windows() == 1, "the manager stays open while the host handles events");

    kelvo_close_windows();
    check(kelvo_open_windows() == 0, "closing leaves no window");
    check(kelvo_run_event_loop() == 0, "the loop returns when no window is left");

    kelvo_release(gen);
    if (failures == 0)
        printf("C host with windows: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
