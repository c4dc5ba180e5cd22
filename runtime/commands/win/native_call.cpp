#include "native_call.h"

#include <cstring>

// Both thunks take (function, slots, slot count, out) and store the integer return register in
// out[0] and the floating-point return in out[1] (as a double on i686, the raw low 64 bits of
// xmm0 on x86_64). They keep the stack pointer of their own frame and restore it after the call.
extern "C" void QbkNativeCallThunk(void* function, const void* slots, intptr_t count, uint64_t* out);

#if defined(__i386__)
// Slots are 32-bit words. out[0] = edx:eax; out[1] = st(0) stored as a double and popped when the
// function left a value there (whatever it was declared to return: the x87 stack stays empty).
asm(R"(
    .text
    .globl _QbkNativeCallThunk
    .def _QbkNativeCallThunk; .scl 2; .type 32; .endef
_QbkNativeCallThunk:
    pushl %ebp
    movl %esp, %ebp
    pushl %ebx
    pushl %esi
    pushl %edi
    movl %esp, %ebx
    movl 16(%ebp), %ecx
    leal 0(,%ecx,4), %eax
    subl %eax, %esp
    andl $-16, %esp
    movl 12(%ebp), %esi
    movl %esp, %edi
    cld
    rep movsl
    call *8(%ebp)
    movl %ebx, %esp
    movl 20(%ebp), %ecx
    movl %eax, 0(%ecx)
    movl %edx, 4(%ecx)
    fxam
    fnstsw %ax
    andw $0x4500, %ax
    cmpw $0x4100, %ax
    je 1f
    fstpl 8(%ecx)
1:
    popl %edi
    popl %esi
    popl %ebx
    popl %ebp
    ret
)");
#elif defined(__x86_64__)
// Slots are 64-bit. The first four go to rcx, rdx, r8, r9 and to xmm0 to xmm3 alike (the callee reads
// the register of its parameter's kind), every slot also lies in its place on the stack (the first
// four in the home area the callee may use), and the stack is 16-byte aligned at the call.
asm(R"(
    .text
    .globl QbkNativeCallThunk
    .def QbkNativeCallThunk; .scl 2; .type 32; .endef
    .seh_proc QbkNativeCallThunk
QbkNativeCallThunk:
    pushq %rbp
    .seh_pushreg %rbp
    pushq %rsi
    .seh_pushreg %rsi
    pushq %rdi
    .seh_pushreg %rdi
    pushq %rbx
    .seh_pushreg %rbx
    movq %rsp, %rbp
    .seh_setframe %rbp, 0
    .seh_endprologue
    movq %rcx, %r10
    movq %r9, %rbx
    movq %r8, %rax
    cmpq $4, %rax
    jae 1f
    movq $4, %rax
1:
    leaq 15(,%rax,8), %rax
    andq $-16, %rax
    subq %rax, %rsp
    andq $-16, %rsp
    movq %rdx, %rsi
    movq %rsp, %rdi
    movq %r8, %rcx
    cld
    rep movsq
    movq 0(%rsp), %rcx
    movq 8(%rsp), %rdx
    movq 16(%rsp), %r8
    movq 24(%rsp), %r9
    movq %rcx, %xmm0
    movq %rdx, %xmm1
    movq %r8, %xmm2
    movq %r9, %xmm3
    call *%r10
    movq %rax, 0(%rbx)
    movq %xmm0, 8(%rbx)
    movq %rbp, %rsp
    popq %rbx
    popq %rdi
    popq %rsi
    popq %rbp
    ret
    .seh_endproc
)");
#else
#error "calls into libraries are built for i686 and x86_64 only"
#endif

NativeResult CallNative(void* function, const std::vector<NativeArgument>& arguments)
{
    NativeResult result;
    if (!function) return result;
    uint64_t out[2] = {0, 0};
#if defined(__i386__)
    std::vector<uint32_t> slots;
    for (const NativeArgument& argument : arguments) {
        switch (argument.Type) {
        case NativeType::Int: slots.push_back(uint32_t(argument.Int)); break;
        case NativeType::Float: {
            uint32_t bits;
            std::memcpy(&bits, &argument.Float, sizeof bits);
            slots.push_back(bits);
            break;
        }
        case NativeType::Double: {
            uint32_t words[2];
            std::memcpy(words, &argument.Double, sizeof words);
            slots.push_back(words[0]);
            slots.push_back(words[1]);
            break;
        }
        case NativeType::String: slots.push_back(uint32_t(reinterpret_cast<uintptr_t>(argument.Text))); break;
        case NativeType::None: break;
        }
    }
    QbkNativeCallThunk(function, slots.data(), intptr_t(slots.size()), out);
    double real;
    std::memcpy(&real, &out[1], sizeof real);
    result.Int = int32_t(uint32_t(out[0]));
    result.Text = reinterpret_cast<const char*>(uintptr_t(uint32_t(out[0])));
    result.Double = real;
    result.Float = float(real);
#else
    std::vector<uint64_t> slots;
    for (const NativeArgument& argument : arguments) {
        uint64_t slot = 0;
        switch (argument.Type) {
        case NativeType::Int: slot = uint64_t(int64_t(argument.Int)); break;
        case NativeType::Float: std::memcpy(&slot, &argument.Float, sizeof argument.Float); break;
        case NativeType::Double: std::memcpy(&slot, &argument.Double, sizeof slot); break;
        case NativeType::String: slot = reinterpret_cast<uintptr_t>(argument.Text); break;
        case NativeType::None: continue;
        }
        slots.push_back(slot);
    }
    QbkNativeCallThunk(function, slots.data(), intptr_t(slots.size()), out);
    result.Int = int32_t(uint32_t(out[0]));
    result.Text = reinterpret_cast<const char*>(uintptr_t(out[0]));
    std::memcpy(&result.Double, &out[1], sizeof result.Double);
    std::memcpy(&result.Float, &out[1], sizeof result.Float);
#endif
    return result;
}
