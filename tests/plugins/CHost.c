/* A host written in C: creates the public class through the C interface,
 * assigns and reads properties, calls methods and reads a failure. Exits
 * with 0 when everything behaved, else prints what did not. */
#include "component/KelvoComponentApi.h"

#include <stdio.h>
#include <string.h>

static int failures = 0;

static void check(int condition, const char* what)
{
    if (!condition) {
        fprintf(stderr, "C host: %s (last error %d: %s)\n", what, kelvo_last_error_number(), kelvo_last_error_text());
        ++failures;
    }
}

int main(void)
{
    const char* persian = "\xda\xaf\xd8\xb2\xd8\xa7\xd8\xb1\xd8\xb4"; /* a Persian word in UTF-8 */
    long long number = 0;
    KelvoValue args[1];
    KelvoValue result;
    KelvoObject* gen = kelvo_create("KelvoReportGenerator.KelvoReportGenCls");
    check(gen != NULL, "create KelvoReportGenCls");
    if (!gen)
        return 1;

    check(kelvo_put_integer(gen, "EmployeeID", 21) == 0, "put EmployeeID");
    check(kelvo_get_integer(gen, "EmployeeID", &number) == 0 && number == 21, "EmployeeID reads back 21");
    check(kelvo_put_text(gen, "OleConnectionString", persian) == 0, "put OleConnectionString");
    check(strcmp(kelvo_get_text(gen, "OleConnectionString"), persian) == 0, "OleConnectionString reads back");

    result = kelvo_integer(1);
    check(kelvo_call(gen, "ViewReports", NULL, 0, &result) == 0 && result.type == KELVO_EMPTY,
          "ViewReports returns an empty value");

    /* No ";" in the connection string: the context start fails clearly. */
    args[0] = kelvo_integer(4);
    check(kelvo_call(gen, "LimitedView", args, 1, NULL) == -1 && kelvo_last_error_text()[0] != '\0',
          "LimitedView reports the failed context start");

    check(kelvo_create("No.Such") == NULL && kelvo_last_error_number() == 429, "unknown identifier gives 429");

    kelvo_release(gen);
    if (failures == 0)
        printf("C host: all checks passed\n");
    return failures == 0 ? 0 : 1;
}
