#include "pjl_dispatcher.h"

#include "reply_reading.h"

namespace {

// Where the dispatcher stands in the reply is one key of the index
// (DispatchKey): the word numbers of its five fields, each field's word as a
// buffer of the handlers' size would keep it (reply_reading.h).  A field that
// holds no row's word (kStrangerWord) makes a key no row has.

// The key with a field set to the token's word.
template <uint32_t kField>
inline uint32_t WithField(uint32_t key, const TokenPlace &token, const DispatchIndex &index) {
    const uint32_t number = index.NumberOf(token.begin, KeptLength(token, kReplyWordLimit));
    return (key & ~(kStrangerWord << FieldShift(kField))) | number << FieldShift(kField);
}

// The key with the fields after `kField` emptied.
template <uint32_t kField>
constexpr uint32_t WithoutFieldsAfter(uint32_t key) {
    return key & ~((1u << FieldShift(kField)) - 1);
}

// Takes a token into the key; true when a field was set, so rows may match.
// Only these kinds change where the dispatcher stands.
inline bool UpdateContext(uint32_t *key, const TokenPlace &token, const DispatchIndex &index) {
    switch (token.kind) {
        case TOKEN_COMMAND:
            *key = WithField<kCommandField>(WithoutFieldsAfter<kCommandField>(*key), token, index);
            return true;
        case TOKEN_ARGUMENT: *key = WithField<kArgumentField>(*key, token, index); return true;
        case TOKEN_KEY: *key = WithField<kKeyField>(*key, token, index); return true;
        case TOKEN_ITEM: *key = WithField<kItemField>(*key, token, index); return true;
        case TOKEN_ITEM_VALUE: *key = WithField<kValueField>(*key, token, index); return true;
        case TOKEN_LINE_END: *key = WithoutFieldsAfter<kKeyField>(*key); return false;
        default: return false;
    }
}

}  // namespace

void RunPjlDispatcher(const NulEndedText &reply, PrnInfoEx *record, const DispatchIndex &index,
                      const TokenRecording *recording) {
    uint32_t key = DispatchKey(kEmptyWord, kEmptyWord, kEmptyWord, kEmptyWord, kEmptyWord);
    ReplyTokenizer tokenizer;
    if (recording != nullptr) {
        TokenizerReplay(&tokenizer, reply, *recording);
    } else {
        TokenizerInit(&tokenizer, reply);
    }
    // A printer mixes blocks that break the grammar (empty answers, unsolicited
    // status) into its reply: the token of a grammar error is not taken, and
    // the tokenizer, back between commands, goes on from the next "@PJL".
    // Every error leaves the cursor further on, so the loop ends.  The words
    // are read in place, never copied.  The handlers read on from the same
    // tokenizer; what they take, the dispatcher does not see.
    for (;;) {
        const Token &token = TokenizerRead(&tokenizer);
        if (token.result == 0 && UpdateContext(&key, token.place, index)) {
            const DispatchRows rows = index.RowsOf(key);
            for (const DispatchRow *const *row = rows.begin; row != rows.end; ++row) {
                (*row)->handler(&tokenizer, record, (*row)->parameter);
            }
        } else if (token.place.kind == TOKEN_END) {
            return;  // clean or not, the end of the text ends the reading
        }
    }
}
