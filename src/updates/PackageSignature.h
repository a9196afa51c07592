#pragma once
// Whether a downloaded package is the one the publisher signed: an Ed25519
// signature over the whole file, checked against the public key built into
// this program.

#include <QByteArray>
#include <QByteArrayView>

namespace PackageSignature {
// The raw 32-byte key from its base64 text; empty when the text is no key.
QByteArray publicKeyFromBase64(const QByteArray& base64);
// False for any malformed key or signature, and for a signature that does not match.
bool verify(QByteArrayView publicKey, QByteArrayView data, QByteArrayView signature);
} // namespace PackageSignature
