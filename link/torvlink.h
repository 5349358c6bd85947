/*
 * libtorvlink: the serial link to the Torvik tester and its command language.
 *
 * The library owns at most one serial port at a time, speaks the tester's
 * line-oriented command language, reads line and block replies, asks the
 * tester for its last error after every reply and hands every stored record
 * to its caller in a fixed byte layout. Every export returns an integer code
 * and never throws; buffers are owned by the caller and always receive a
 * terminating NUL within their stated size.
 *
 * Character set: texts received from the tester arrive in the tester's OEM
 * code page (850) and are handed out converted to Windows-1252, the set the
 * document files store. The library's own texts (error texts, message-box
 * texts) are Windows-1252 too.
 *
 * Calls must not overlap: the link state is process-wide and unguarded.
 */
#ifndef TORVLINK_H
#define TORVLINK_H

#include <stdint.h>

#if defined(TORVLINK_BUILDING)
#define TORVLINK_API __attribute__((visibility("default")))
#else
#define TORVLINK_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes. A positive or other negative number is the tester's own
 * error number, passed through from the error query. */
#define TORVIK_OK 0
#define TORVIK_ERR_QUERY (-1)          /* a query failed, or an error reply had no text */
#define TORVIK_ERR_CLOSED (-3)         /* the link is closed */
#define TORVIK_ERR_PARTIAL_WRITE (-28) /* a write was accepted only in part */
#define TORVIK_ERR_PORT (-100)         /* a port call failed or timed out */
#define TORVIK_ERR_XONXOFF (-101)      /* XON/XOFF flow control requested */
#define TORVIK_ERR_NOT_IDENTIFIED (-102)
#define TORVIK_ERR_ERROR_REPLY (-103)  /* the tester's error reply was unreadable */
#define TORVIK_ERR_BLOCK_HEADER (-104) /* a block reply did not start with '#' */
#define TORVIK_ERR_SHORT_ID (-105)     /* the identification had fewer than four fields */

/* Accepted product codes of the measuring unit. */
#define TORVIK_PRODUCT_CODE_A 45113
#define TORVIK_PRODUCT_CODE_B 45136

/* ---- Link ------------------------------------------------------------- */

/* Opens port 1..4 and identifies the tester. parity 'e', 'o' or other
 * (none); dataBits 8 or other (7); stopBits 1 or other (2); flow 'd'
 * (DSR/DTR handshake), 'x' (refused, -101) or other (none). Only the low
 * byte of the last four is examined. Opening an open link returns 0 and
 * keeps the link as it was. */
TORVLINK_API int32_t TorvikCommOpen(int32_t port, int32_t rate, int32_t parity,
                                    int32_t dataBits, int32_t stopBits, int32_t flow);
/* Sends "CL_ERR" and "LOC", waits a second and releases the port: 0, or
 * -100 when the release failed. 0 also when the link was closed. */
TORVLINK_API int32_t TorvikCommClose(void);
TORVLINK_API int32_t TorvikCommIsOpen(void);
/* "COM1".."COM4" while open, "" when closed. */
TORVLINK_API const char *TorvikCommGetPort(void);
TORVLINK_API int32_t TorvikCommGetRate(void);

/* ---- Command channel --------------------------------------------------- */

/* Sends "REM\n" and then command + "\n" as two writes, after discarding
 * pending input. 0, -3, -28 or -100. */
TORVLINK_API int32_t TorvikOutput(const char *command);
/* Reads one reply line (line feed kept) into buffer, at most size-1
 * characters; a longer line is cut there and its rest left pending. The
 * time-out applies to every byte. 0, -3 or -100. */
TORVLINK_API int32_t TorvikInput(char *buffer, int32_t size, int32_t timeoutSeconds);
/* Reads one block reply: "#0" and lines up to an empty line (a text block),
 * or "#", n, n length digits, the data and one terminator byte (a binary
 * block). *length receives the number of bytes stored; data beyond the
 * capacity is read and dropped. 0, -100, -104 or a line-read code. */
TORVLINK_API int32_t TorvikBlocInput(void *buffer, int32_t capacity, uint16_t *length,
                                     int32_t timeoutSeconds);
/* Asks "ERR?": 0, the tester's error number (after showing it when
 * showMessage is nonzero, and clearing it with "CL_ERR"), -1 when the reply
 * has no text, -103 when it has no field at all, or a line-read code. */
TORVLINK_API int32_t TorvikCheckError(int32_t showMessage);
/* Writes the CRC-16 of data[0..length) after it, most significant byte
 * first, and returns those two bytes read as a little-endian word. */
TORVLINK_API int32_t TorvikSetCrc16(void *data, int32_t length);
/* 1 when the last two of the length bytes are the big-endian CRC-16 of
 * the bytes before them; a length below 2 is never valid. */
TORVLINK_API int32_t IsTorvikCrc16Ok(const void *data, int32_t length);

/* ---- The library's own identity ---------------------------------------- */

TORVLINK_API void *TorvlinkGetDllInstance(void);
/* The library's file name ("libtorvlink.so") and revision ("D.05"). */
TORVLINK_API char *TorvlinkGetDllName(char *buffer, int32_t size);
TORVLINK_API char *TorvlinkGetDllRev(char *buffer, int32_t size);
/* The text of a result code, English when english is nonzero, French
 * otherwise; -100 adds the system's message for the saved error. 0 or -1. */
TORVLINK_API int32_t TorvlinkGetTextError(int32_t code, char *buffer, int32_t size,
                                          int32_t english);

/* ---- Platform hooks (this port's additions) ----------------------------- */

/* Port n (1..4) uses this device path. NULL or "" forgets it; the port then
 * uses $TORVIK_COM<n> when set, else /dev/ttyS<n-1>. Read at each opening.
 * 0, or -100 for a port out of range. */
TORVLINK_API int32_t TorvlinkSetPortDevice(int32_t port, const char *path);
/* The device path port n would open now (empty for a port out of range). */
TORVLINK_API int32_t TorvlinkGetPortDevice(int32_t port, char *buffer, int32_t size);

/* Message boxes raised inside the library. icon: 0 none, 1 information,
 * 2 question, 3 warning. The handler returns the button pressed (1 = OK).
 * Without a handler the text goes to stderr. Returns 0. */
typedef int32_t (*TorvlinkMessageHandler)(void *user, const char *caption,
                                          const char *text, int32_t icon);
TORVLINK_API int32_t TorvlinkSetMessageHandler(TorvlinkMessageHandler fn, void *user);
/* The busy cursor: on = 1 when a wait or an opening starts, 0 when it ends. */
typedef void (*TorvlinkBusyHandler)(void *user, int32_t on);
TORVLINK_API void TorvlinkSetBusyHandler(TorvlinkBusyHandler fn, void *user);

/* Why the last line, count or record query failed, so that a caller can
 * send it again when the line was at fault and never when the tester
 * refused it: one of TORVLINK_FAULT_*. */
#define TORVLINK_FAULT_NONE 0         /* the query succeeded */
#define TORVLINK_FAULT_LINE 1         /* port failure, time-out, partial write, bad block header
                                         or unreadable error reply */
#define TORVLINK_FAULT_TESTER_ERROR 2 /* the tester answered with an error */
#define TORVLINK_FAULT_CRC 3          /* every send of a block failed its CRC check */
#define TORVLINK_FAULT_EMPTY 4        /* the tester sent an empty block */
#define TORVLINK_FAULT_CLOSED 5       /* the link is closed */
TORVLINK_API int32_t TorvlinkGetLastQueryFault(void);

#define TORVLINK_ICON_NONE 0
#define TORVLINK_ICON_INFORMATION 1
#define TORVLINK_ICON_QUESTION 2
#define TORVLINK_ICON_WARNING 3

/* ---- Tester identity ---------------------------------------------------- */

/* "*IDN?": maker (29), model (29), serial (20), revision (5). 0, -105, or
 * a failing step's code. */
TORVLINK_API int32_t TorvikGetId(char *maker, char *model, char *serial, char *revision);
/* "PP?": *productCode is 0 when the query fails. */
TORVLINK_API int32_t TorvikGetPP(int32_t *productCode);
/* "USER_ID?": user (17) and company (17). */
TORVLINK_API int32_t TorvikGetUserId(char *first, char *second);
/* "QUILLET_MINVER?": the oldest desktop versions this firmware accepts
 * (5 and 5). A tester that does not answer within a second is an old
 * firmware: the answer then follows from its revision. */
TORVLINK_API int32_t TorvikGetQuilletMinVer(char *minimum, char *minimumZ);
TORVLINK_API int32_t DoesTorvikSupportAutoGraph(void);
/* "UNCERTS?": the six measurement-uncertainty parameters. */
TORVLINK_API int32_t TorvikGetUncertainties(float *u1, float *u2, float *u3, float *u4,
                                            float *u5, float *u6);
/* "MSG? n": message text (81). */
TORVLINK_API int32_t TorvikGetMsg(char *text, int32_t number);

/* ---- Tester records ------------------------------------------------------
 * Fixed byte layouts, filled from binary blocks: multi-byte numbers are in
 * host order after decoding, texts in Windows-1252. Fields whose meaning
 * belongs to the program are named by their offset. */

#pragma pack(push, 1)

typedef struct SiteConfigRecord { /* "CFGSITE?", 70 bytes */
    char siteName[16];        /*  0: at most 15 characters */
    uint8_t standardNr;       /* 16: argument of "NORM?" */
    uint8_t conventionNr;     /* 17: argument of "CNX_INF?", "WIRES_NAMES?" */
    uint8_t cableNr;          /* 18: argument of "CABLE?" */
    char wiringText[19];      /* 19: at most 18 characters */
    uint16_t nvp;             /* 38: nominal velocity of propagation, 0.1 % */
    uint16_t word40;          /* 40 */
    char patternText[16];     /* 42: up to 16 characters, NUL-terminated when shorter */
    uint16_t word58;          /* 58 */
    uint16_t word60;          /* 60 */
    uint8_t byte62;           /* 62 */
    uint8_t byte63;           /* 63 */
    uint8_t byte64;           /* 64 */
    uint32_t dword65;         /* 65 */
    uint8_t plugNameNr;       /* 69: argument of "PLUG_NAME?", 0 = none */
} SiteConfigRecord;

typedef struct ConnectionInfoRecord { /* "CNX_INF?", 19 bytes */
    uint16_t nameMsgNr;       /*  0: message number of the convention's name */
    uint8_t flags;            /*  2 */
    uint8_t bytes3[8];        /*  3 */
    uint8_t bytes11[4];       /* 11 */
    uint8_t bytes15[4];       /* 15 */
} ConnectionInfoRecord;

typedef struct WireNamesRecord { /* "WIRES_NAMES?", 96 bytes */
    char names[24][4];        /* two groups of 12 names of at most 3 characters */
} WireNamesRecord;

typedef struct CableRecord { /* "CABLE?", 8 bytes */
    uint16_t nameMsgNr;       /* 0: message number of the cable's name */
    uint8_t flags;            /* 2 */
    uint8_t byte3;            /* 3 */
    uint16_t word4;           /* 4 */
    uint16_t word6;           /* 6 */
} CableRecord;

typedef struct SectionPlugHeader { /* section types 0 (plug) and 1 (graph) */
    char identifier[15];      /*  3 */
    char text[19];            /* 18 */
    uint32_t dateTime;        /* 37: seconds since 1970-01-01 */
    uint8_t result;           /* 41: type 0: bits 5-7 result kind, bits 0-4 flags */
    uint8_t data[366];        /* 42: result data, decoded by kind */
} SectionPlugHeader;

typedef struct SectionRecord { /* "SECT?", 408 bytes */
    uint8_t type;             /* 0: bits 0-1 section type 0..3 */
    uint16_t next;            /* 1: next section of the chain, 0 ends it */
    union {
        SectionPlugHeader plug;   /* types 0 and 1 */
        uint8_t raw[405];         /* types 2 and 3 (curve points) */
    } body;
} SectionRecord;

typedef struct GraphSummaryRecord { /* "GRAPH_SUM?", 48 bytes */
    char identifier[15];      /*  0 */
    char text[19];            /* 15 */
    uint32_t dateTime;        /* 34 */
    uint8_t bytes38[2];       /* 38 */
    char pairText[8];         /* 40 */
} GraphSummaryRecord;

typedef struct NormRecord { /* "NORM?", 29 bytes */
    uint16_t nameMsgNr;       /*  0: message number of the standard's name */
    uint8_t byte2;            /*  2 */
    uint8_t byte3;            /*  3 */
    uint16_t words4[6];       /*  4: scalar limits and test mask */
    uint8_t options;          /* 16: bits 2 and 3 select the plug result layout */
    uint16_t frequency;       /* 17: 1/60 MHz */
    uint8_t limitNrs[8];      /* 19: arguments of "LIMIT?" and "LIMITOPT?" */
    uint8_t bytes27[2];       /* 27 */
} NormRecord;

typedef struct SweepSegment { /* 6 bytes; a sweep is 4 segments */
    uint16_t start;           /* 1/60 MHz */
    uint16_t step;            /* 1/60 MHz per point */
    uint16_t lastIndex;       /* index of the segment's last point in the sweep */
} SweepSegment;

typedef struct LimitCurveRecord { /* 7 bytes */
    uint16_t frequency;       /* header: number of records, header included */
    uint16_t slope;           /* header: low byte is the shift */
    uint16_t value;           /* 1/8 dB; header: unused */
    uint8_t auxiliary;        /* uncertainty, 1/8 dB; header: unused */
} LimitCurveRecord;

#define TORVIK_LIMIT_RECORDS 45
typedef struct LimitCurve { /* "LIMIT?", at most 45 records */
    LimitCurveRecord records[TORVIK_LIMIT_RECORDS];
} LimitCurve;

typedef struct LimitOptRecord { /* "LIMITOPT?", 24 bytes */
    uint16_t words[12];       /* three groups of four */
} LimitOptRecord;

#pragma pack(pop)

/* ---- Sites, plugs and tests --------------------------------------------- */

TORVLINK_API int32_t TorvikGetNbSitesMax(void);
/* Name (16) and date-time of a site, sites numbered from 0. 0 or -1. */
TORVLINK_API int32_t TorvikGetSiteConfigSummary(char *name, uint32_t *dateTime, int32_t site);
/* The same with the date split in the local time zone. 0 or -1. */
TORVLINK_API int32_t TorvikGetSiteConfigSummaryEx(char *name, uint8_t *day, uint8_t *month,
                                                  uint16_t *year, int32_t site);
TORVLINK_API int32_t TorvikGetSiteConfig(SiteConfigRecord *record, int32_t site);
TORVLINK_API int32_t TorvikGetConvCnx(ConnectionInfoRecord *record, int32_t convention);
TORVLINK_API int32_t TorvikGetConvWiresNames(WireNamesRecord *record, int32_t convention);
TORVLINK_API int32_t TorvikGetCable(CableRecord *record, int32_t cable);
TORVLINK_API int32_t TorvikGetSiteNbTests(int32_t site);
TORVLINK_API int32_t TorvikGetSiteNbSectsTests(int32_t site);
TORVLINK_API int32_t TorvikGetSiteNrSect0Test0(int32_t site);
/* Plug-name text (65); firmware before it had plug names answers "". */
TORVLINK_API int32_t TorvikGetPlugName(char *name, int32_t number);
/* One section of a chain; layoutFlags is the standard's option byte. */
TORVLINK_API int32_t TorvikGetSect(SectionRecord *record, int32_t section, int32_t layoutFlags);
/* Curve points of the first (type 3) and following (type 2) sections of an
 * autotest chain: 399 and 405, or 0 for firmware without them. */
TORVLINK_API int32_t TorvikGetAutoGraphFirstNbd(void);
TORVLINK_API int32_t TorvikGetAutoGraphSteNbd(void);

/* ---- Graphs, standards and limits ---------------------------------------- */

TORVLINK_API int32_t TorvikGetSiteNbGrphs(int32_t site);
TORVLINK_API int32_t TorvikGetSiteGrphSummary(GraphSummaryRecord *record, int32_t site, int32_t graph);
/* First section of a graph's chain (or -1); *count receives its number of sections. */
TORVLINK_API int32_t TorvikGetSiteNrSect0Grph(int16_t *count, int32_t site, int32_t graph);
TORVLINK_API int32_t TorvikGetGraphFirstNbd(void);
TORVLINK_API int32_t TorvikGetGraphSteNbd(void);
TORVLINK_API int32_t TorvikGetNbNorms(void);
/* second: the site's cable number or -1, sent by firmware that takes it. */
TORVLINK_API int32_t TorvikGetNorm(NormRecord *record, int32_t standard, int32_t second);
TORVLINK_API int32_t TorvikGetNormWiresNr(uint8_t *wires, int32_t standard);
/* Up to 4 segments; *count receives the segments with a nonzero start. */
TORVLINK_API int32_t TorvikGetSweep(SweepSegment *segments, int16_t *count, int32_t standard);
TORVLINK_API int32_t TorvikSweepIdxToFrqKHz(const SweepSegment *segments, int32_t index);
TORVLINK_API int32_t TorvikGetLimit(LimitCurve *curve, uint16_t *count, int32_t limit);
TORVLINK_API int32_t TorvikGetLimitOpt(LimitOptRecord *record, int32_t limit);
/* The limit at a frequency (1/8 dB), its auxiliary value (the measurement
 * uncertainty, 1/8 dB) and, above the last point, the clamped frequency. */
TORVLINK_API int32_t TorvikGetGabValAtFrq(int32_t frequencyKHz, const LimitCurve *curve,
                                          int16_t *auxiliary, int32_t *clampedKHz);

#ifdef __cplusplus
}
#endif

#endif /* TORVLINK_H */
