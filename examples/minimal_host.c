/*
 * minimal_host: one status poll of a printer, as a host written in plain C
 * does it with patmodel (Windows and Linux, both widths).
 *
 *   minimal_host ADDRESS PORT DEVICE_ID
 *
 * Asks the library for the PJL query, sends it to the printer at ADDRESS:PORT
 * (raw TCP, IPv4), hands the answers and the printer's IEEE 1284 device ID to
 * the library, then prints what the library makes of them: the printer, its
 * status text and the layers of its status picture.  Exit status 0 on
 * success, 1 when the library or the printer fails.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "pat.h"

#if defined(_WIN32)
#include <winsock2.h> /* before windows.h */
#include <windows.h>  /* GetLastError, GlobalAlloc, GlobalFree */
typedef SOCKET printer_socket;
#define close_printer(s) closesocket(s)
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
typedef int printer_socket;
#define INVALID_SOCKET (-1)
#define close_printer(s) close(s)
#endif

#define REPLY_CAPACITY 65536
#define ZERO_FILLED_FIXED 0x0040 /* GPTR: the flags the library's own blocks use */

/* An info node as the host builds it: a global-heap block, header then payload. */
static PatInfoNode *new_node(PatInfoNode *parent, uint32_t id, const void *payload, uint32_t length)
{
    PatInfoNode *node = (PatInfoNode *)GlobalAlloc(ZERO_FILLED_FIXED, sizeof(PatInfoNode) + length);
    if (node == NULL) return NULL;
    node->dwId = id;
    node->dwLength = length;
    memcpy(PAT_NODE_PAYLOAD(node), payload, length);
    if (parent != NULL) {
        node->pParent = parent;
        if (parent->pLastChild != NULL) parent->pLastChild->pNextSibling = node;
        else parent->pFirstChild = node;
        parent->pLastChild = node;
    }
    return node;
}

/* Releases a tree, the library's query tree inside it included. */
static void free_tree(PatInfoNode *node)
{
    while (node != NULL) {
        PatInfoNode *next = node->pNextSibling;
        free_tree(node->pFirstChild);
        GlobalFree(node);
        node = next;
    }
}

static PatInfoNode *child(PatInfoNode *parent, uint32_t id)
{
    PatInfoNode *node = parent->pFirstChild;
    while (node != NULL && node->dwId != id) node = node->pNextSibling;
    return node;
}

/* Releases one item list of the record: every item type starts with pNext
 * (read with memcpy, as the item's own type is not PatItem). */
static void free_items(void *head)
{
    while (head != NULL) {
        void *next;
        memcpy(&next, head, sizeof next);
        GlobalFree(head);
        head = next;
    }
}

/* Everything the library hung into the record belongs to the record's owner. */
static void release_record(PrnInfoEx *r)
{
    char *texts[6];
    int i;
    texts[0] = r->pModelName; texts[1] = r->pMakerName; texts[2] = r->pDescription;
    texts[3] = r->pSYSVersion; texts[4] = r->pMainProgVersion; texts[5] = r->pKMSVersion;
    for (i = 0; i < 6; ++i) if (texts[i] != NULL) GlobalFree(texts[i]);
    free_items(r->pEngineStatus); free_items(r->pLoadedEmul); free_items(r->pLoadedFont);
    free_items(r->pTrayInfo); free_items(r->pOutBinInfo); free_items(r->pDeviceInfo);
    free_items(r->pEmulUniqInfo); free_items(r->pCounterInfo); free_items(r->pSupplyInfo);
    free_items(r->pColorCorrection);
    memset(r, 0, sizeof *r);
}

/* Each request line of the query ("@PJL INFO ...", "@PJL INQUIRE ...") is
 * answered by its echo, the answer lines and a form feed. */
static int count_requests(const char *query)
{
    int requests = 0;
    const char *at = query;
    while ((at = strstr(at, "@PJL IN")) != NULL) ++requests, ++at;
    return requests;
}

/* Sends the query, reads until every request is answered or the printer closes. */
static int ask_printer(const char *address, int port, const char *query, char *reply)
{
    struct sockaddr_in printer;
    printer_socket s = socket(AF_INET, SOCK_STREAM, 0);
    int length = 0, received = 1, form_feeds = 0, requests = count_requests(query), i;
    memset(&printer, 0, sizeof printer);
    printer.sin_family = AF_INET;
    printer.sin_port = htons((unsigned short)port);
    printer.sin_addr.s_addr = inet_addr(address);
    if (s == INVALID_SOCKET || connect(s, (struct sockaddr *)&printer, sizeof printer) != 0 ||
        send(s, query, (int)strlen(query), 0) != (int)strlen(query)) {
        if (s != INVALID_SOCKET) close_printer(s);
        return -1;
    }
    while (form_feeds < requests && received > 0 && length < REPLY_CAPACITY - 1) {
        received = (int)recv(s, reply + length, REPLY_CAPACITY - 1 - length, 0);
        for (i = 0; i < received; ++i) form_feeds += reply[length + i] == '\f';
        if (received > 0) length += received;
    }
    reply[length] = '\0';
    close_printer(s);
    return length;
}

/* The status information tree: root 10, the override record (node 2) and the
 * printer's record under the node of source type 1.  The host owns it all;
 * here it lives on the stack, as the library only reads it. */
struct record_node {
    PatInfoNode header;
    PrnInfoEx *record;
};

static int report(PrnInfoEx *record)
{
    PrnInfoEx override_record;
    PatInfoNode root;
    struct record_node override_node, base_node;
    char text[1024];
    uint32_t length = sizeof text, i;
    PatBitmapInfo *picture;

    memset(&override_record, 0, sizeof override_record);
    override_record.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    override_record.dwMemoryKB = record->dwMemoryKB;   /* read from the override */
    override_record.bModelIndex = record->bModelIndex; /* record, so keep them */
    memset(&root, 0, sizeof root);
    memset(&override_node, 0, sizeof override_node);
    memset(&base_node, 0, sizeof base_node);
    root.dwId = PAT_TREE_STATUS_ROOT;
    override_node.header.dwId = PAT_TREE_STATUS_OVERRIDE;
    override_node.record = &override_record;
    base_node.header.dwId = 1; /* the base record's node of source type 1 */
    base_node.record = record;
    override_node.header.dwLength = base_node.header.dwLength = PAT_NODE_POINTER_PAYLOAD_SIZE;
    override_node.header.pParent = base_node.header.pParent = &root;
    override_node.header.pNextSibling = &base_node.header;
    root.pFirstChild = &override_node.header;
    root.pLastChild = &base_node.header;

    printf("printer: %s, %s\n", record->pMakerName ? record->pMakerName : "?",
           record->pModelName ? record->pModelName : "?");
    printf("trays: %lu, output bins: %lu\n", (unsigned long)record->nTrayInfo,
           (unsigned long)record->nOutBinInfo);
    if (!PatGetStatusString(PAT_SOURCE_1, &root, PAT_STATUS_INTERFACE_VERSION, 2, text, &length)) {
        fprintf(stderr, "PatGetStatusString: error 0x%lx\n", (unsigned long)GetLastError());
        return 1;
    }
    printf("status: %s\n", text);

    picture = PatCreateBitmapInfo(PAT_SOURCE_1, &root, PAT_STATUS_INTERFACE_VERSION);
    if (picture == NULL) {
        fprintf(stderr, "PatCreateBitmapInfo: error 0x%lx\n", (unsigned long)GetLastError());
        return 1;
    }
    {
        const PatBitmapInfo *list = (const PatBitmapInfo *)picture->pElems; /* tag 201: one list */
        const PatBitmapLayer *layers = (const PatBitmapLayer *)list->pElems;
        for (i = 0; i < list->dwCount; ++i)
            printf("layer %u: %s at %ld,%ld rop 0x%08lx\n", (unsigned)layers[i].bLayer,
                   layers[i].szBitmapName, (long)layers[i].nX, (long)layers[i].nY,
                   (unsigned long)layers[i].dwRop);
    }
    PatDisposeBitmapInfo(picture); /* never GlobalFree: the library frees its parts */
    return 0;
}

int main(int argc, char **argv)
{
    static char reply[REPLY_CAPACITY];
    PrnInfoEx record;
    PatVersionInfo version;
    PatInfoNode *query, *reply_root;
    const char *query_text;
    int failed;

    if (argc != 4) {
        fprintf(stderr, "usage: minimal_host ADDRESS PORT DEVICE_ID\n");
        return 2;
    }
#if defined(_WIN32)
    {
        WSADATA wsa;
        if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return 1;
    }
#endif
    memset(&version, 0, sizeof version);
    version.dwSize = sizeof version;
    if (!PatGetDllVersion(&version) || !PatSetLocale("EN")) {
        fprintf(stderr, "library: error 0x%lx\n", (unsigned long)GetLastError());
        return 1;
    }
    printf("library version %lu.%lu\n", (unsigned long)(version.dwFileVersion >> 24),
           (unsigned long)((version.dwFileVersion >> 16) & 0xFF));

    /* 1. The query: node 1000 holds the PJL text to send. */
    memset(&record, 0, sizeof record);
    record.dwVersion = PAT_PRNINFOEX_MIN_VERSION;
    query = PatCreateQueryInfo(&record, PAT_PJL_INTERFACE_VERSION,
                               PAT_ITEMS_STATE | PAT_ITEMS_CONFIGURATION | PAT_ITEMS_INPUT_TRAYS |
                                   PAT_ITEMS_OUTPUT_BINS | PAT_ITEMS_IDENTITY | PAT_ITEMS_ENGINE_STATUS);
    if (query == NULL) {
        fprintf(stderr, "PatCreateQueryInfo: error 0x%lx\n", (unsigned long)GetLastError());
        return 1;
    }
    query_text = (const char *)PAT_NODE_PAYLOAD(child(query, PAT_NODE_PJL_TEXT));

    /* 2. The printer's answers. */
    if (ask_printer(argv[1], atoi(argv[2]), query_text, reply) <= 0) {
        fprintf(stderr, "no answer from %s:%s\n", argv[1], argv[2]);
        free_tree(query);
        return 1;
    }

    /* 3. The reply tree: root 2 holding the query tree, the reply text (1000)
     *    and the device ID (1002).  The host frees it, query tree included. */
    reply_root = new_node(NULL, PAT_TREE_REPLY_ROOT, "", 0);
    if (reply_root == NULL) {
        free_tree(query);
        return 1;
    }
    query->pParent = reply_root;
    reply_root->pFirstChild = reply_root->pLastChild = query;
    failed = new_node(reply_root, PAT_NODE_PJL_TEXT, reply, (uint32_t)strlen(reply) + 1) == NULL ||
             new_node(reply_root, PAT_NODE_DEVICE_ID, argv[3], (uint32_t)strlen(argv[3]) + 1) == NULL ||
             !PatSetCentroDataTo(reply_root, 0, &record, PAT_PJL_INTERFACE_VERSION);
    if (failed) fprintf(stderr, "PatSetCentroDataTo: error 0x%lx\n", (unsigned long)GetLastError());
    free_tree(reply_root);

    /* 4. What the library makes of it. */
    if (!failed) failed = report(&record);
    release_record(&record);
#if defined(_WIN32)
    WSACleanup();
#endif
    return failed;
}
