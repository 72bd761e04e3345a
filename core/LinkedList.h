#pragma once
// A process-wide singly linked list of static objects, headed by one pointer:
// objects are pushed at the head, so the list holds them newest first. The list
// never owns its nodes.

namespace Ovo {

template <class Node> class LinkedList {
public:
    void PushFront(Node* node) {
        node->next = mHead;
        mHead = node;
    }
    Node* Head() const { return mHead; }
    void Clear() { mHead = nullptr; }

    template <class Visit> void ForEach(Visit visit) const {
        for (Node* node = mHead; node != nullptr; node = node->next)
            visit(*node);
    }

private:
    Node* mHead = nullptr;
};

} // namespace Ovo
