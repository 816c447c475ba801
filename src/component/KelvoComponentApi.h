/* The C interface of the report generator's components, for hosts written
 * in other languages. Objects are created by programmatic identifier
 * ("KelvoReportGenerator.KelvoReportGenCls", "KelvoReportGenerator.classMSHFlex"
 * and whatever else the process has registered), their properties are set
 * and read and their methods called by name. All text is UTF-8.
 *
 * Functions returning int give 0 on success and -1 on failure; a failure's
 * number and description are then read with kelvo_last_error_number() and
 * kelvo_last_error_text() (per thread; each call clears them first). Text
 * the library hands out belongs to the object it came from and stays valid
 * until the next call on that object or its release. */
#ifndef KELVO_COMPONENT_API_H
#define KELVO_COMPONENT_API_H

#ifdef __cplusplus
extern "C" {
#endif

typedef struct KelvoObject KelvoObject;

typedef enum KelvoValueType {
    KELVO_EMPTY = 0,
    KELVO_INTEGER = 1, /* integer */
    KELVO_REAL = 2,    /* real */
    KELVO_TEXT = 3,    /* text, UTF-8 */
    KELVO_BOOLEAN = 4, /* integer: 0 false, anything else true */
    KELVO_OBJECT = 5   /* object (not owned by the value) */
} KelvoValueType;

/* A variant argument or result: the member named by type is used. */
typedef struct KelvoValue {
    KelvoValueType type;
    long long integer;
    double real;
    const char* text;
    KelvoObject* object;
} KelvoValue;

/* A new object, or NULL on failure (error 429 when nothing is registered
 * under progId). Release it with kelvo_release. */
KelvoObject* kelvo_create(const char* progId);
/* Releases an object; NULL is ignored. */
void kelvo_release(KelvoObject* object);

int kelvo_put_integer(KelvoObject* object, const char* name, long long value);
int kelvo_put_text(KelvoObject* object, const char* name, const char* value);
int kelvo_put_value(KelvoObject* object, const char* name, const KelvoValue* value);

int kelvo_get_integer(KelvoObject* object, const char* name, long long* value);
/* The property as text, or NULL on failure. */
const char* kelvo_get_text(KelvoObject* object, const char* name);
int kelvo_get_value(KelvoObject* object, const char* name, KelvoValue* value);

/* Calls a method with count arguments (arguments may be NULL when count is
 * 0). Arguments are passed by reference: on return they hold the values the
 * method left in them. result may be NULL. */
int kelvo_call(KelvoObject* object, const char* name, KelvoValue* arguments, int count, KelvoValue* result);

/* Value builders. */
KelvoValue kelvo_integer(long long value);
KelvoValue kelvo_text(const char* value);
KelvoValue kelvo_object(KelvoObject* value);

/* The object's members in slot order: their number, and the name and kind
 * (0 property get, 1 property put, 2 method) of one slot; NULL past the end. */
int kelvo_member_count(KelvoObject* object);
const char* kelvo_member(KelvoObject* object, int slot, int* kind);

/* The component's windows in a host that runs no Qt event loop. The first
 * window a method opens makes the application object when the process has
 * none. With modal windows (system parameter 123) the method returns when its
 * window is closed; modeless windows need events: either run the loop below,
 * which returns when the last window is closed, or call kelvo_process_events
 * often from the host's own loop. */
/* Runs the event loop until the last open window is closed; returns at once
 * when none is open. 0, or -1 when the loop ended with an error. */
int kelvo_run_event_loop(void);
/* Handles the pending events of the windows and returns. */
void kelvo_process_events(void);
/* How many of the component's windows are open. */
int kelvo_open_windows(void);
/* Closes every open window, as by its title bar (a window may still ask its
 * question first). */
void kelvo_close_windows(void);

/* The number and description of the last failure on this thread (0 and ""
 * after a successful call). */
int kelvo_last_error_number(void);
const char* kelvo_last_error_text(void);

#ifdef __cplusplus
}
#endif

#endif /* KELVO_COMPONENT_API_H */
